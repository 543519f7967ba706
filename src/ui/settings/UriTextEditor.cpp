#include "ui/settings/UriTextEditor.h"

#include <QEvent>
#include <QPainter>

#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"

namespace quorbit {

UriTextEditor::UriTextEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(Typography::monospaced(TextStyle::body));
    setFrameShape(QFrame::NoFrame);
    setMinimumHeight(minimumEditorHeight);
    setViewportMargins(6, 6, 6, 6);
    viewport()->setAutoFillBackground(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QSize UriTextEditor::sizeHint() const { return QSize(QPlainTextEdit::sizeHint().width(), minimumEditorHeight); }

bool UriTextEditor::event(QEvent* event) {
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        // The outline lies in the margin around the viewport, so it is ours to paint.
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const Palette colors(palette());
        const QPainterPath outline = ContinuousRoundedRect::path(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8);
        painter.fillPath(outline, Palette::withAlpha(palette().color(QPalette::Base), colors.isDark() ? 0.35 : 0.6));
        painter.setPen(QPen(Palette::withAlpha(colors.secondaryText(), 0.25), 1));
        painter.drawPath(outline);
    }
    return handled;
}

}  // namespace quorbit
