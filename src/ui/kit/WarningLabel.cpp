#include "ui/kit/WarningLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"
#include "ui/kit/StyledLabel.h"

namespace quorbit {

WarningLabel::WarningLabel(QWidget* parent)
    : QWidget(parent), symbol_(new QLabel), text_(new StyledLabel(TextStyle::caption, StyledLabel::Tone::orange)) {
    text_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(symbol_, 0, Qt::AlignTop);
    layout->addWidget(text_, 1);
    paintSymbol();
}

void WarningLabel::setText(const QString& text) { text_->setTextIfChanged(text); }

QString WarningLabel::text() const { return text_->text(); }

void WarningLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) paintSymbol();
}

void WarningLabel::paintSymbol() {
    const int side = Typography::pixelSize(TextStyle::caption) + 2;
    symbol_->setPixmap(IconFactory::pixmap(QStringLiteral("exclamationmark.triangle"), QSize(side, side),
                                           Palette(palette()).orange(), devicePixelRatioF()));
}

}  // namespace quorbit
