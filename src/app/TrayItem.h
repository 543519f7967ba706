#pragma once

#include <memory>
#include <optional>

#include <QMenu>
#include <QObject>
#include <QPointer>

#include <qcoro/qcorotask.h>

#include "app/HotKeyRegistration.h"
#include "application/settings/KeyboardShortcutAction.h"

class QScreen;
class QSystemTrayIcon;

namespace quorbit {

class AboutWindow;
class GlobalHotKeyService;
class PanelWindow;
class QuorbitViewModel;
class SettingsWindowHost;

// The program's presence on the desktop: the tray item with its menu, the panel it toggles,
// the About window and the global shortcuts. Without a tray the panel is an ordinary window,
// shown at start, whose header carries the menu and whose closing ends the program.
class TrayItem final : public QObject {
    Q_OBJECT

public:
    TrayItem(QuorbitViewModel& viewModel, GlobalHotKeyService& hotKeyService, SettingsWindowHost& settingsWindow,
             bool trayAvailable, QObject* parent = nullptr);
    ~TrayItem() override;

    // A click on the tray item: hides the panel when it is shown where the user is, else
    // opens it at the tray (or the pointer) on the current desktop.
    void togglePanel();
    // Opens the panel at the tray when the tray's place is known, else in the last corner.
    void showPanel();
    void showAboutWindow();
    PanelWindow* panel() const;

    // The brand mark drawn for the tray at the sizes panels ask for, with the installed icon
    // by the same name preferred.
    static QIcon statusIconImage();

private:
    // The panel opens by itself once the view model has started.
    QCoro::Task<> showPanelAfterStart();
    void makeTrayItem();
    void makePanel();
    // Where the tray icon is when its host says so; else the pointer, for a click.
    std::optional<QPoint> trayAnchor(bool clicked) const;
    // Picks the screen and the corner for the panel; without an anchor the corner stays.
    void aimPanel(std::optional<QPoint> anchor);
    void presentPanel();
    void positionPanel();
    void relabelMenu();
    void handleHotKey(KeyboardShortcutAction action);
    void closePanel();

    QuorbitViewModel& viewModel_;
    GlobalHotKeyService& hotKeyService_;
    SettingsWindowHost& settingsWindow_;
    const bool trayAvailable_;
    HotKeyRegistration hotKeys_;
    QMenu menu_;
    QAction* aboutAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QPointer<PanelWindow> panel_;
    QPointer<QScreen> panelScreen_;
    Qt::Corner panelCorner_ = Qt::TopRightCorner;
    QPointer<AboutWindow> aboutWindow_;
};

}  // namespace quorbit
