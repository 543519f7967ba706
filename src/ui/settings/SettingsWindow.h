#pragma once

#include <array>

#include <QWidget>

class QButtonGroup;
class QStackedWidget;

namespace quorbit {

class QuorbitViewModel;
class SettingsTabButton;

// The settings window: a bar of six tabs (Language, Security, Import / Export, Behavior, App,
// About) over their pages. It opens on Language; tab labels and the title follow the
// language setting at once. Every page writes through the view model; the window keeps no
// settings of its own and leaves the theme to its host.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize minimumWindowSize{520, 680};
    static constexpr QSize idealWindowSize{520, 760};

    // The About page is made by the caller (it is the About window's view); the window owns it.
    SettingsWindow(QuorbitViewModel& viewModel, QWidget* aboutPage, QWidget* parent = nullptr);

    int currentTab() const;
    void showTab(int index);

private:
    static constexpr int tabCount = 6;

    QWidget* buildTabBar();
    void relabel();

    QuorbitViewModel& viewModel_;
    std::array<SettingsTabButton*, tabCount> tabs_{};
    QButtonGroup* tabGroup_;
    QStackedWidget* pages_;
};

}  // namespace quorbit
