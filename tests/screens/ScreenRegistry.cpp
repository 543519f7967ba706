#include "screens/ScreenRegistry.h"

#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace quorbit::screens {

ScreenRegistry& ScreenRegistry::instance() {
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::add(Screen screen) {
    const bool taken = std::any_of(screens_.begin(), screens_.end(),
                                   [&](const Screen& existing) { return existing.name == screen.name; });
    if (taken) throw std::logic_error("two screens are named " + screen.name);
    screens_.push_back(std::move(screen));
}

std::vector<Screen> ScreenRegistry::screens() const {
    std::vector<Screen> sorted = screens_;
    std::sort(sorted.begin(), sorted.end(), [](const Screen& a, const Screen& b) { return a.name < b.name; });
    return sorted;
}

ScreenRegistration::ScreenRegistration(std::string name, ScreenBuilder build) {
    ScreenRegistry::instance().add(Screen{std::move(name), std::move(build)});
}

std::unique_ptr<QWidget> onBackdrop(std::unique_ptr<QWidget> content, int width) {
    std::vector<std::unique_ptr<QWidget>> contents;
    contents.push_back(std::move(content));
    return stackedOnBackdrop(std::move(contents), width);
}

std::unique_ptr<QWidget> stackedOnBackdrop(std::vector<std::unique_ptr<QWidget>> contents, int width) {
    auto backdrop = std::make_unique<QWidget>();
    backdrop->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(backdrop.get());
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    for (auto& content : contents) layout->addWidget(content.release());
    backdrop->setFixedWidth(width);
    return backdrop;
}

}  // namespace quorbit::screens
