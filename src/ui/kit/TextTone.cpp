#include "ui/kit/TextTone.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "ui/kit/Palette.h"

namespace quorbit {

TextTone::TextTone(QWidget* widget, qreal alpha) : QObject(widget), widget_(widget), alpha_(alpha) {
    // Pinned: a widget without its own role takes one from the background it is later put on
    // (Text on a list's or a bar's Base), which would leave the tone unused.
    widget->setForegroundRole(widget->foregroundRole());
    widget->installEventFilter(this);
    refresh();
}

void TextTone::apply(QWidget* widget, qreal alpha) { new TextTone(widget, alpha); }

void TextTone::refresh() {
    QPalette palette = widget_->palette();
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    palette.setColor(widget_->foregroundRole(), Palette::withAlpha(text, alpha_));
    widget_->setPalette(palette);
}

bool TextTone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_ && event->type() == QEvent::ApplicationPaletteChange) refresh();
    return QObject::eventFilter(watched, event);
}

}  // namespace quorbit
