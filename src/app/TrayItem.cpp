#include "app/TrayItem.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/AboutWindow.h"
#include "app/PanelGeometry.h"
#include "app/PanelWindow.h"
#include "app/SettingsWindowHost.h"
#include "app/TrayClick.h"
#include "app/WindowCentring.h"
#include "application/ports/GlobalHotKeyService.h"
#include "ui/ObjectNames.h"
#include "ui/panel/PanelView.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

constexpr auto lateRepositionDelay = std::chrono::milliseconds(120);
// Panels draw tray icons at these sizes; each is rendered at its own size to stay crisp.
constexpr int trayIconSizes[] = {16, 22, 24, 32};

// The screen under the pointer, else the primary one.
QScreen* preferredPanelScreen() {
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) return screen;
    return QGuiApplication::primaryScreen();
}

}  // namespace

TrayItem::TrayItem(QuorbitViewModel& viewModel, GlobalHotKeyService& hotKeyService, SettingsWindowHost& settingsWindow,
                   bool trayAvailable, QObject* parent)
    : QObject(parent), viewModel_(viewModel), hotKeyService_(hotKeyService), settingsWindow_(settingsWindow),
      trayAvailable_(trayAvailable), hotKeys_(hotKeyService, viewModel) {
    aboutAction_ = menu_.addAction(QString());
    menu_.addSeparator();
    quitAction_ = menu_.addAction(QString());
    menu_.setObjectName(objectnames::app::trayMenu);
    quitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(aboutAction_, &QAction::triggered, this, &TrayItem::showAboutWindow);
    connect(quitAction_, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(&menu_, &QMenu::aboutToShow, this, &TrayItem::relabelMenu);
    relabelMenu();
    if (trayAvailable_) makeTrayItem();

    QPointer<TrayItem> self(this);
    hotKeys_.registerHotKeys(viewModel_.settings());
    viewModel_.setClosePanelAction([self] {
        if (self) self->closePanel();
    });
    hotKeyService_.setOnAction([self](KeyboardShortcutAction action) {
        QTimer::singleShot(0, self, [self, action] {
            if (self) self->handleHotKey(action);
        });
    });
    // Every change of a setting registers the shortcuts again, after the view model has
    // finished reacting to it.
    connect(
        &viewModel_, &QuorbitViewModel::settingsChanged, this,
        [this] { hotKeys_.registerHotKeys(viewModel_.settings()); }, Qt::QueuedConnection);
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &TrayItem::relabelMenu);
    (void)showPanelAfterStart();
}

TrayItem::~TrayItem() {
    viewModel_.setClosePanelAction(nullptr);
    hotKeyService_.setOnAction(nullptr);
    delete panel_;
    delete aboutWindow_;
}

PanelWindow* TrayItem::panel() const { return panel_; }

// The panel is made while the worker runs the start, on a GUI thread that would otherwise
// only wait, and shown once the start has finished.
QCoro::Task<> TrayItem::showPanelAfterStart() {
    QPointer<TrayItem> self(this);
    QCoro::Task<> starting = viewModel_.start();
    if (!panel_) makePanel();
    co_await std::move(starting);
    if (self) showPanel();
}

QIcon TrayItem::statusIconImage() {
    QSvgRenderer mark(QStringLiteral(":/icons/quorbit.svg"));
    QIcon drawn;
    for (const int side : trayIconSizes) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        mark.render(&painter, QRectF(0, 0, side, side));
        painter.end();
        drawn.addPixmap(QPixmap::fromImage(image));
    }
    return QIcon::fromTheme(QStringLiteral("quorbit"), drawn);
}

void TrayItem::makeTrayItem() {
    tray_ = new QSystemTrayIcon(this);
    // The mark carries its own contrast: the panel's colour is unknown, and our theme is not it.
    tray_->setIcon(statusIconImage());
    tray_->setToolTip(QStringLiteral("Quorbit"));
    tray_->setContextMenu(&menu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (trayClick(reason) == TrayClick::togglePanel) togglePanel();
    });
    tray_->show();
}

void TrayItem::relabelMenu() {
    const bool russian = viewModel_.settings().language == AppLanguage::russian;
    aboutAction_->setText(russian ? QStringLiteral("О программе") : QStringLiteral("About"));
    quitAction_->setText(russian ? QStringLiteral("Выход") : QStringLiteral("Quit"));
}

void TrayItem::togglePanel() {
    if (panel_ && panel_->isShownOnCurrentDesktop()) {
        panel_->hide();
        return;
    }
    aimPanel(trayAnchor(true));
    presentPanel();
}

void TrayItem::showPanel() {
    aimPanel(trayAnchor(false));
    presentPanel();
}

std::optional<QPoint> TrayItem::trayAnchor(bool clicked) const {
    if (tray_) {
        const QRect icon = tray_->geometry();
        if (!icon.isEmpty()) return icon.center();
    }
    if (clicked) return QCursor::pos();
    return std::nullopt;
}

void TrayItem::aimPanel(std::optional<QPoint> anchor) {
    QScreen* screen = anchor ? QGuiApplication::screenAt(*anchor) : nullptr;
    panelScreen_ = screen ? screen : preferredPanelScreen();
    if (anchor && panelScreen_) panelCorner_ = nearestCorner(panelScreen_->availableGeometry(), *anchor);
}

void TrayItem::presentPanel() {
    if (!panel_) makePanel();
    // Mapped again, a panel left on another desktop comes to this one.
    if (panel_->isVisible() && !panel_->isShownOnCurrentDesktop()) panel_->hide();
    panel_->showNormal();
    panel_->raise();
    panel_->activateWindow();
    if (panel_->kind() != PanelWindow::Kind::floating) return;
    // The window manager may still move a window it has just mapped: place it again on the
    // next turn and a little later.
    positionPanel();
    QPointer<TrayItem> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self) self->positionPanel();
    });
    QTimer::singleShot(lateRepositionDelay, this, [self] {
        if (self && self->panel_ && self->panel_->isVisible()) self->positionPanel();
    });
}

void TrayItem::makePanel() {
    const auto kind = trayAvailable_ ? PanelWindow::Kind::floating : PanelWindow::Kind::ordinary;
    panel_ = new PanelWindow(kind);
    auto* view = new PanelView(viewModel_);
    connect(view, &PanelView::settingsRequested, &settingsWindow_, &SettingsWindowHost::show);
    panel_->addAction(quitAction_);
    if (kind == PanelWindow::Kind::ordinary) {
        view->setHeaderMenu(&menu_);
        connect(panel_, &PanelWindow::closedByUser, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        centreOnScreen(*panel_, preferredPanelScreen());
    }
    panel_->setContent(view);
}

void TrayItem::positionPanel() {
    if (!panel_) return;
    const QScreen* screen = panelScreen_ ? panelScreen_.data() : preferredPanelScreen();
    if (!screen) return;
    panel_->setGeometry(panelGeometry(screen->availableGeometry(), panel_->geometry(), panelCorner_));
}

void TrayItem::showAboutWindow() {
    if (!aboutWindow_) aboutWindow_ = new AboutWindow(viewModel_);
    aboutWindow_->showCentred();
}

void TrayItem::handleHotKey(KeyboardShortcutAction action) {
    switch (action) {
    case KeyboardShortcutAction::openPanel: showPanel(); break;
    case KeyboardShortcutAction::copyCode: (void)viewModel_.copyQuickAccessCode(); break;
    }
}

// Without a tray nothing could bring a hidden window back, so the ordinary window is only
// minimised.
void TrayItem::closePanel() {
    if (!panel_) return;
    if (panel_->kind() == PanelWindow::Kind::floating) {
        panel_->hide();
    } else {
        panel_->showMinimized();
    }
}

}  // namespace quorbit
