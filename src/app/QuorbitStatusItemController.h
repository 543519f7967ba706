#pragma once

#include <memory>

#include <QMenu>
#include <QObject>
#include <QPointer>

#include <qcoro/qcorotask.h>

#include "app/HotKeyRegistration.h"
#include "application/settings/KeyboardShortcutAction.h"

class QSystemTrayIcon;

namespace quorbit {

class AboutWindow;
class GlobalHotKeyService;
class QuorbitFloatingPanel;
class QuorbitViewModel;
class SettingsWindowHost;

// The program's presence on the desktop: the tray item with its menu, the panel it toggles,
// the About window and the global shortcuts. Without a tray the panel is an ordinary window,
// shown at start, whose header carries the menu and whose closing ends the program.
class QuorbitStatusItemController final : public QObject {
    Q_OBJECT

public:
    QuorbitStatusItemController(QuorbitViewModel& viewModel, GlobalHotKeyService& hotKeyService,
                                SettingsWindowHost& settingsWindow, bool trayAvailable, QObject* parent = nullptr);
    ~QuorbitStatusItemController() override;

    void togglePanel();
    void showPanel();
    void showAboutWindow();
    QuorbitFloatingPanel* panel() const;

    // The brand mark drawn for the tray at the sizes panels ask for, with the installed icon
    // by the same name preferred.
    static QIcon statusIconImage();

private:
    // The panel opens by itself once the view model has started.
    QCoro::Task<> showPanelAfterStart();
    void makeTrayItem();
    void makePanel();
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
    QPointer<QuorbitFloatingPanel> panel_;
    QPointer<AboutWindow> aboutWindow_;
};

}  // namespace quorbit
