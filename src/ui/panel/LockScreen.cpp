#include "ui/panel/LockScreen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/Typography.h"

namespace quorbit {

LockScreen::LockScreen(QWidget* parent)
    : GlassPanel(cardRadius, parent), title_(new QLabel),
      explanation_(new StyledLabel(TextStyle::callout, StyledLabel::Tone::secondary)), unlock_(new ProminentButton) {
    setObjectName(objectnames::panel::lockScreen);
    unlock_->setObjectName(objectnames::panel::unlockButton);

    title_->setFont(Typography::font(TextStyle::title3, QFont::DemiBold));
    title_->setAlignment(Qt::AlignHCenter);
    explanation_->setAlignment(Qt::AlignHCenter);
    explanation_->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(title_);
    texts->addWidget(explanation_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 0, 22, 0);
    layout->setSpacing(18);
    layout->addStretch();
    layout->addWidget(new SymbolView(QStringLiteral("lock.shield.fill"), 46, SymbolView::secondary), 0,
                      Qt::AlignHCenter);
    layout->addLayout(texts);
    layout->addWidget(unlock_, 0, Qt::AlignHCenter);
    layout->addStretch();

    connect(unlock_, &QPushButton::clicked, this, &LockScreen::unlockRequested);
    setLanguage(AppLanguage::english);
}

void LockScreen::setLanguage(AppLanguage language) {
    title_->setText(localized(language, "Quorbit is locked", "Quorbit заблокирован"));
    explanation_->setText(localized(language, "Unlock locally to view and copy authentication codes.",
                                    "Разблокируйте для просмотра и копирования кодов."));
    unlock_->setText(localized(language, "Unlock", "Разблокировать"));
}

}  // namespace quorbit
