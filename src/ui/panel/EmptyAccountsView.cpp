#include "ui/panel/EmptyAccountsView.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/Typography.h"

namespace quorbit {
namespace {

struct EmptyState {
    const char* icon;
    QString title;
    QString message;
};

EmptyState emptyState(const AccountFilterSelection& filter, AppLanguage language) {
    const QString fillHint = localized(language, "Add a token from a QR image or manual secret.",
                                       "Добавьте токен из QR-изображения или введите секрет.");
    switch (filter.filterCase()) {
    case AccountFilterSelection::Case::all:
        return {"plus.circle", localized(language, "No tokens yet", "Пока нет токенов"), fillHint};
    case AccountFilterSelection::Case::favorites:
        return {"pin", localized(language, "No favorites", "Нет избранных"),
                localized(language, "Pin high-frequency accounts for faster access.",
                          "Закрепите аккаунты для быстрого доступа.")};
    case AccountFilterSelection::Case::recent:
        return {"clock", localized(language, "No recent copies", "Нет недавних копий"),
                localized(language, "Copied codes appear here.", "Скопированные коды появятся здесь.")};
    case AccountFilterSelection::Case::trash:
        return {"trash", localized(language, "Trash is empty", "Корзина пуста"),
                localized(language, "Removed accounts can be restored before permanent deletion.",
                          "Удаленные аккаунты можно восстановить.")};
    case AccountFilterSelection::Case::tag: return {"tag", QString::fromStdString(filter.tagText()), fillHint};
    }
    return {"plus.circle", {}, fillHint};
}

}  // namespace

EmptyAccountsView::EmptyAccountsView(QWidget* parent)
    : GlassPanel(cardRadius, parent), icon_(new SymbolView({}, 28, SymbolView::secondary)), title_(new QLabel),
      message_(new StyledLabel(TextStyle::callout, StyledLabel::Tone::secondary)) {
    setObjectName(objectnames::panel::emptyState);
    title_->setObjectName(objectnames::panel::emptyTitle);
    message_->setObjectName(objectnames::panel::emptyMessage);
    for (QLabel* label : {title_, message_}) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter);
        label->setWordWrap(true);
    }
    title_->setFont(Typography::font(TextStyle::headline));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->setSpacing(8);
    layout->addWidget(icon_, 0, Qt::AlignHCenter);
    layout->addWidget(title_);
    layout->addWidget(message_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    setFilter(AccountFilterSelection::all(), AppLanguage::english);
}

void EmptyAccountsView::setFilter(const AccountFilterSelection& filter, AppLanguage language) {
    const EmptyState state = emptyState(filter, language);
    icon_->setName(QString::fromLatin1(state.icon));
    title_->setText(state.title);
    message_->setText(state.message);
}

QString EmptyAccountsView::iconName() const { return icon_->name(); }

}  // namespace quorbit
