#include "ui/panel/ProminentButton.h"

#include <QApplication>
#include <QEvent>

namespace quorbit {

ProminentButton::ProminentButton(QWidget* parent) : QPushButton(parent) {
    setMinimumHeight(30);
    applyAccent();
}

void ProminentButton::applyAccent() {
    const QPalette theme = QApplication::palette();
    QPalette palette = this->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Button, theme.color(QPalette::Highlight));
        palette.setColor(group, QPalette::ButtonText, theme.color(QPalette::HighlightedText));
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, theme.color(QPalette::Disabled, QPalette::Button));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, theme.color(QPalette::Disabled, QPalette::ButtonText));
    setPalette(palette);
}

bool ProminentButton::event(QEvent* event) {
    const bool handled = QPushButton::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange) applyAccent();
    return handled;
}

}  // namespace quorbit
