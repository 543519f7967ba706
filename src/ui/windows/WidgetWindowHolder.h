#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "ui/viewmodel/ports/WindowHolder.h"

namespace quorbit {

// Keeps one auxiliary window behind a QPointer. A closed window is only hidden: its view's
// coroutines may still be running, so it is deleted later, when a fresh one replaces it or
// the holder goes, and those coroutines check for that after every await.
class WidgetWindowHolder final : public WindowHolder {
public:
    // `build` makes a new parentless window around a fresh view; `onBuilt` runs after each
    // new window has been shown.
    explicit WidgetWindowHolder(std::function<QWidget*()> build, std::function<void()> onBuilt = {});
    ~WidgetWindowHolder() override;

    WidgetWindowHolder(const WidgetWindowHolder&) = delete;
    WidgetWindowHolder& operator=(const WidgetWindowHolder&) = delete;

    void show() override;
    void close() override;

    // The window last built, while it exists.
    QWidget* window() const { return window_; }

private:
    void release();

    std::function<QWidget*()> build_;
    std::function<void()> onBuilt_;
    QPointer<QWidget> window_;
};

}  // namespace quorbit
