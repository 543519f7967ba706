#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include <QObject>

struct xcb_connection_t;
class QWindow;

namespace quorbit {

// Keeps a top-level window on every desktop and out of the taskbar and pager under an X11
// window manager that follows the EWMH, and tells whether the window can be seen on the
// current desktop. The state goes on the window before each mapping (the manager drops it on
// withdrawal) and is asked for again once the window is mapped, as the manager takes requests
// for managed windows from client messages only. Without X11 it does nothing.
class EwmhWindowState final : public QObject {
    Q_OBJECT

public:
    // Watches `window`, which must outlive this object.
    explicit EwmhWindowState(QWindow& window, QObject* parent = nullptr);

    // Mapped, not hidden by the manager, and on the current desktop or on all of them. A
    // window without X11 or without a manager's desktop counts as shown when it is visible.
    bool isShownOnCurrentDesktop() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::uint32_t> atoms(std::initializer_list<const char*> names) const;
    std::uint32_t nativeWindow() const;
    std::uint32_t rootWindow() const;
    void setStateBeforeMapping() const;
    void askManagerForState() const;
    void sendToManager(std::uint32_t type, std::initializer_list<std::uint32_t> data) const;
    // The first value of a CARDINAL property; none when it is not set.
    std::optional<std::uint32_t> readCardinal(std::uint32_t window, std::uint32_t property) const;

    QWindow& window_;
    xcb_connection_t* connection_ = nullptr;
    bool awaitingExpose_ = false;
};

}  // namespace quorbit
