#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/TrayItem.h"
#include "screens/ScreenRegistry.h"

namespace quorbit::screens {
namespace {

// The tray icon at every size a panel asks for, on a dark and a light panel; it is the same in
// every theme, as it does not know the panel's colour.
std::unique_ptr<QWidget> trayIconStrips() {
    auto picture = std::make_unique<QWidget>();
    auto* strips = new QVBoxLayout(picture.get());
    strips->setContentsMargins(0, 0, 0, 0);
    strips->setSpacing(0);
    const QIcon icon = TrayItem::statusIconImage();
    for (const char* panel : {"#1f1f1f", "#3c3f41", "#d6d6d6", "#fbfbfb"}) {
        auto* strip = new QWidget;
        strip->setAutoFillBackground(true);
        QPalette colours = strip->palette();
        colours.setColor(QPalette::Window, QColor(QLatin1String(panel)));
        strip->setPalette(colours);
        auto* row = new QHBoxLayout(strip);
        row->setContentsMargins(8, 4, 8, 4);
        row->setSpacing(12);
        for (const int side : {16, 22, 24, 32}) {
            auto* label = new QLabel;
            label->setFixedSize(32, 32);
            label->setAlignment(Qt::AlignCenter);
            label->setPixmap(icon.pixmap(side, side));
            row->addWidget(label);
        }
        strips->addWidget(strip);
    }
    return picture;
}

const ScreenRegistration trayIconScreen("tray-icon", [](const ScreenContext&) { return trayIconStrips(); });

}  // namespace
}  // namespace quorbit::screens
