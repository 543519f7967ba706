#include <gtest/gtest.h>

#include "app/FakeGlobalHotKeyService.h"
#include "app/HotKeyRegistration.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {
namespace {

class HotKeyRegistrationTest : public ViewModelFixture {
protected:
    void SetUp() override { registration.emplace(service, makeViewModel()); }

    static AppSettings withShortcuts(KeyboardShortcutPreset open, KeyboardShortcutPreset copy,
                                     AppLanguage language = AppLanguage::english) {
        AppSettings settings;
        settings.language = language;
        settings.openPanelShortcut = shortcut(open);
        settings.copyCodeShortcut = shortcut(copy);
        return settings;
    }

    std::optional<std::string> status() const {
        const auto& message = viewModel->statusMessage();
        return message ? std::optional(message->toStdString()) : std::nullopt;
    }

    FakeGlobalHotKeyService service;
    std::optional<HotKeyRegistration> registration;
};

TEST_F(HotKeyRegistrationTest, RegistersBothShortcutsOfTheSettings) {
    registration->registerHotKeys(
        withShortcuts(KeyboardShortcutPreset::optionCommandSpace, KeyboardShortcutPreset::optionCommandC));

    ASSERT_EQ(service.registered.size(), 2U);
    EXPECT_EQ(service.registered.at(KeyboardShortcutAction::openPanel),
              shortcut(KeyboardShortcutPreset::optionCommandSpace));
    EXPECT_EQ(service.registered.at(KeyboardShortcutAction::copyCode),
              shortcut(KeyboardShortcutPreset::optionCommandC));
    EXPECT_EQ(status(), std::nullopt);
}

TEST_F(HotKeyRegistrationTest, DisabledShortcutsAreLeftOut) {
    registration->registerHotKeys(
        withShortcuts(KeyboardShortcutPreset::disabled, KeyboardShortcutPreset::controlOptionC));

    ASSERT_EQ(service.registered.size(), 1U);
    EXPECT_TRUE(service.registered.contains(KeyboardShortcutAction::copyCode));
}

TEST_F(HotKeyRegistrationTest, OneCombinationForBothRegistersNeitherUntilTheyDiffer) {
    registration->registerHotKeys(
        withShortcuts(KeyboardShortcutPreset::shiftOptionC, KeyboardShortcutPreset::shiftOptionC));

    EXPECT_TRUE(service.registered.empty());
    EXPECT_EQ(status(), "Shortcut conflict: both actions use the same combination. Choose different shortcuts.");

    registration->registerHotKeys(
        withShortcuts(KeyboardShortcutPreset::shiftOptionSpace, KeyboardShortcutPreset::shiftOptionC));

    EXPECT_EQ(service.registered.size(), 2U);
    EXPECT_EQ(status(), std::nullopt);
}

TEST_F(HotKeyRegistrationTest, ARefusedSecondShortcutLeavesTheFirstRegistered) {
    service.refused = KeyboardShortcutAction::copyCode;

    registration->registerHotKeys(withShortcuts(KeyboardShortcutPreset::optionCommandSpace,
                                                KeyboardShortcutPreset::optionCommandC, AppLanguage::russian));

    ASSERT_EQ(service.registered.size(), 1U);
    EXPECT_TRUE(service.registered.contains(KeyboardShortcutAction::openPanel));
    EXPECT_EQ(status(), "Конфликт горячих клавиш: система отклонила одно из выбранных сочетаний (status 10). "
                        "Выберите другую комбинацию.");
}

TEST_F(HotKeyRegistrationTest, ASessionWithoutKeyGrabsSaysSoOnTheStatusLine) {
    service.unavailable = true;

    registration->registerHotKeys(AppSettings{});

    EXPECT_TRUE(service.registered.empty());
    ASSERT_TRUE(status());
    EXPECT_NE(status()->find("Global shortcuts are not available"), std::string::npos) << *status();
}

TEST_F(HotKeyRegistrationTest, SuccessClearsOnlyItsOwnFailureText) {
    const AppSettings conflict =
        withShortcuts(KeyboardShortcutPreset::shiftOptionC, KeyboardShortcutPreset::shiftOptionC);
    const AppSettings fine =
        withShortcuts(KeyboardShortcutPreset::shiftOptionSpace, KeyboardShortcutPreset::shiftOptionC);

    registration->registerHotKeys(conflict);
    viewModel->setStatusMessage(QStringLiteral("Copied 123 456"));
    registration->registerHotKeys(fine);
    EXPECT_EQ(status(), "Copied 123 456") << "a newer message stays";

    registration->registerHotKeys(conflict);
    registration->registerHotKeys(fine);
    registration->registerHotKeys(fine);
    EXPECT_EQ(status(), std::nullopt);
}

}  // namespace
}  // namespace quorbit::test
