#pragma once

#include <QWidget>

namespace quorbit {

class EwmhWindowState;

// The window the panel view lives in. Floating: frameless, always on top, on every desktop and
// out of the taskbar and pager, a tool window that Escape and a close request only hide. Ordinary (no tray to bring it
// back): a decorated window whose closing ends the program, and which Escape leaves open.
class PanelWindow final : public QWidget {
    Q_OBJECT

public:
    enum class Kind { floating, ordinary };

    static constexpr QSize panelSize{392, 560};

    explicit PanelWindow(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    // Replaces the hosted view (the panel takes it over).
    void setContent(QWidget* content);
    // Visible where the user is now: not only mapped, but on the current desktop.
    bool isShownOnCurrentDesktop() const;

signals:
    // The ordinary window was closed by the user.
    void closedByUser();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    QWidget* content_ = nullptr;
    EwmhWindowState* desktopState_ = nullptr;
};

}  // namespace quorbit
