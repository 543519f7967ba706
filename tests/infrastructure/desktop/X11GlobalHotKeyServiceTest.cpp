#include <gtest/gtest.h>

#include <QtTest/QTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DesktopCommand.h"
#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "infrastructure/desktop/X11GlobalHotKeyService.h"

namespace quorbit {
namespace {

using Modifier = KeyboardShortcutModifier;
using test::DesktopCommand;

KeyboardShortcut shortcut(std::uint32_t keyCode, std::vector<Modifier> modifiers) {
    return {keyCode, keyCode == 49 ? "Space" : "C", std::move(modifiers), true};
}

// One xdotool run presses the combinations in order.
void press(QStringList keys) {
    keys.prepend(QStringLiteral("key"));
    DesktopCommand::run("xdotool", keys);
}

class X11GlobalHotKeyServiceTest : public testing::Test {
protected:
    void SetUp() override {
        service.setOnAction([this](KeyboardShortcutAction action) { reported.push_back(action); });
    }

    bool waitForReports(std::size_t count) {
        return QTest::qWaitFor([&] { return reported.size() >= count; }, 3000);
    }

    X11GlobalHotKeyService service;
    std::vector<KeyboardShortcutAction> reported;
};

struct PressCase {
    const char* name;
    KeyboardShortcut shortcut;
    KeyboardShortcutAction action;
    const char* keys;
    friend void PrintTo(const PressCase& pressCase, std::ostream* out) { *out << pressCase.name; }
};

class ShortcutPress : public X11GlobalHotKeyServiceTest, public testing::WithParamInterface<PressCase> {};

TEST_P(ShortcutPress, ReportsItsAction) {
    service.registerShortcut(GetParam().shortcut, GetParam().action);
    press({GetParam().keys});

    ASSERT_TRUE(waitForReports(1));
    EXPECT_EQ(reported, std::vector<KeyboardShortcutAction>{GetParam().action});
}

// command = Ctrl, option = Alt, control = Super, shift = Shift.
INSTANTIATE_TEST_SUITE_P(
    Xvfb, ShortcutPress,
    testing::Values(PressCase{"OptionCommandSpace", shortcut(49, {Modifier::option, Modifier::command}),
                              KeyboardShortcutAction::openPanel, "ctrl+alt+space"},
                    PressCase{"OptionCommandC", shortcut(8, {Modifier::option, Modifier::command}),
                              KeyboardShortcutAction::copyCode, "ctrl+alt+c"},
                    PressCase{"ControlOptionSpace", shortcut(49, {Modifier::control, Modifier::option}),
                              KeyboardShortcutAction::openPanel, "super+alt+space"},
                    PressCase{"ShiftOptionC", shortcut(8, {Modifier::shift, Modifier::option}),
                              KeyboardShortcutAction::copyCode, "shift+alt+c"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(X11GlobalHotKeyServiceTest, WorksWithNumLockAndCapsLockOn) {
    service.registerShortcut(shortcut(49, {Modifier::option, Modifier::command}), KeyboardShortcutAction::openPanel);
    press({"Num_Lock", "Caps_Lock", "ctrl+alt+space"});
    const bool reportedWithLocks = waitForReports(1);
    press({"Num_Lock", "Caps_Lock"});

    EXPECT_TRUE(reportedWithLocks);
}

TEST_F(X11GlobalHotKeyServiceTest, TellsTheTwoActionsApart) {
    service.registerShortcut(shortcut(49, {Modifier::option, Modifier::command}), KeyboardShortcutAction::openPanel);
    service.registerShortcut(shortcut(8, {Modifier::option, Modifier::command}), KeyboardShortcutAction::copyCode);
    press({"ctrl+alt+c"});
    ASSERT_TRUE(waitForReports(1));
    press({"ctrl+alt+space"});
    ASSERT_TRUE(waitForReports(2));

    EXPECT_EQ(reported, (std::vector{KeyboardShortcutAction::copyCode, KeyboardShortcutAction::openPanel}));
}

// Key events reach the service in the order they were pressed, so a shortcut still held and
// pressed last shows that the released ones pressed before it have passed unreported.
TEST_F(X11GlobalHotKeyServiceTest, ReleasedShortcutsReportNothing) {
    service.registerShortcut(shortcut(49, {Modifier::option, Modifier::command}), KeyboardShortcutAction::openPanel);
    service.registerShortcut(shortcut(8, {Modifier::option, Modifier::command}), KeyboardShortcutAction::openPanel);
    service.unregisterAll();
    service.registerShortcut(shortcut(8, {Modifier::shift, Modifier::option}), KeyboardShortcutAction::copyCode);
    press({"ctrl+alt+space", "ctrl+alt+c", "shift+alt+c"});

    ASSERT_TRUE(waitForReports(1));
    EXPECT_EQ(reported, std::vector<KeyboardShortcutAction>{KeyboardShortcutAction::copyCode});
}

// Another X client holds Ctrl+Alt+Space on the root window before we ask for it.
TEST_F(X11GlobalHotKeyServiceTest, AKeyHeldByAnotherProgramIsRefusedWithBadAccess) {
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(other);
    xcb_keycode_t* space = xcb_key_symbols_get_keycode(symbols, ' ');
    const auto root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    const auto cookie = xcb_grab_key_checked(other, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, space[0],
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    ASSERT_EQ(xcb_request_check(other, cookie), nullptr);

    try {
        service.registerShortcut(shortcut(49, {Modifier::option, Modifier::command}), KeyboardShortcutAction::copyCode);
        ADD_FAILURE() << "registration succeeded";
    } catch (const GlobalHotKeyRegistrationError& error) {
        EXPECT_EQ(error, GlobalHotKeyRegistrationError::registrationFailed(KeyboardShortcutAction::copyCode, 10));
    }
    std::free(space);
    xcb_key_symbols_free(symbols);
    xcb_disconnect(other);
}

TEST_F(X11GlobalHotKeyServiceTest, AKeyCodeWithoutAKeyIsRefusedWithBadValue) {
    EXPECT_THROW(
        try {
            service.registerShortcut(shortcut(0xFFFF, {Modifier::command}), KeyboardShortcutAction::openPanel);
        } catch (const GlobalHotKeyRegistrationError& error) {
            EXPECT_EQ(error, GlobalHotKeyRegistrationError::registrationFailed(KeyboardShortcutAction::openPanel, 2));
            throw;
        },
        GlobalHotKeyRegistrationError);
}

// No X11 at all (a Wayland session) and an X server that cannot be reached.
class WithoutX11 : public testing::TestWithParam<std::optional<std::string>> {};

TEST_P(WithoutX11, RegistrationSaysGlobalShortcutsAreUnavailable) {
    X11GlobalHotKeyService service(GetParam());

    const auto unavailable = GlobalHotKeyRegistrationError::unavailable();
    const auto errorOf = [](const std::function<void()>& work) -> std::optional<GlobalHotKeyRegistrationError> {
        try {
            work();
        } catch (const GlobalHotKeyRegistrationError& error) {
            return error;
        }
        return std::nullopt;
    };
    EXPECT_EQ(errorOf([&] { service.installEventHandlerIfNeeded(); }), unavailable);
    EXPECT_EQ(errorOf([&] {
                  service.registerShortcut(shortcut(49, {Modifier::command}), KeyboardShortcutAction::openPanel);
              }),
              unavailable);
    service.unregisterAll();
}

INSTANTIATE_TEST_SUITE_P(Session, WithoutX11, testing::Values(std::nullopt, std::string(":4242")),
                         [](const auto& testCase) { return testCase.param ? "UnreachableDisplay" : "NoX11"; });

}  // namespace
}  // namespace quorbit
