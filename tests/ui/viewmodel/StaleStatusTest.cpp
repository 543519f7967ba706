#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "ui/viewmodel/DataActionsFixture.h"

namespace quorbit::test {
namespace {

using StaleStatusTest = DataActionsFixture;

// A status line goes when the state it describes is over, and only then.
TEST_F(StaleStatusTest, AStatusTheNewStateContradictsGoes) {
    using Step = std::function<void(QuorbitViewModel&, const OtpAccount&)>;
    const Step refusedCopy = [this](QuorbitViewModel& vm, const OtpAccount& account) {
        unlocker.setAccepts(false);
        run(vm.copyCode(account));
        unlocker.setAccepts(true);
    };
    const Step copy = [](QuorbitViewModel& vm, const OtpAccount& account) { run(vm.copyCode(account)); };
    const Step otherText = [](QuorbitViewModel& vm, const OtpAccount&) {
        vm.setStatusMessage(QStringLiteral("Backup exported"));
    };
    const Step unlock = [](QuorbitViewModel& vm, const OtpAccount&) { run(vm.unlock()); };
    const Step hideCodes = [this](QuorbitViewModel&, const OtpAccount&) {
        changeSettings([](AppSettings& settings) { settings.hideCodesByDefault = true; });
    };
    const Step otherSetting = [this](QuorbitViewModel&, const OtpAccount&) {
        changeSettings([](AppSettings& settings) { settings.theme = AppTheme::dark; });
    };
    const Step expire = [this](QuorbitViewModel& vm, const OtpAccount&) {
        clock.advance(std::chrono::minutes(6));
        run(vm.refreshTick());
    };
    const struct {
        const char* name;
        Step show;
        Step change;
        bool goes;
    } cases[] = {
        {"locked, then unlocked", refusedCopy, unlock, true},
        {"a copied code, then codes hidden", copy, hideCodes, true},
        {"a copied code, then the time-out locks", copy, expire, true},
        {"a copied code, then another setting", copy, otherSetting, false},
        {"another text, then codes hidden", otherText, hideCodes, false},
        {"another text, then the time-out locks", otherText, expire, false},
    };
    for (const auto& c : cases) {
        repository.setAccounts({});
        const OtpAccount account = store("Mail", "me");
        QuorbitViewModel& vm = model();
        c.show(vm, account);
        const std::optional<QString> shown = vm.statusMessage();
        ASSERT_TRUE(shown.has_value()) << c.name;

        c.change(vm, account);

        EXPECT_EQ(vm.statusMessage(), c.goes ? std::nullopt : shown) << c.name;
        viewModel.reset();
    }
}

// One account whose secret left the keyring is told about once; the accounts that still work
// keep their own texts, from the copy that reloads the list to the ticks after it.
TEST_F(StaleStatusTest, ASecretMissingFromTheKeyringLeavesLaterSuccessTextsInView) {
    const OtpAccount working = store("Mail", "me");
    const OtpAccount broken = store("Bank", "you");
    secrets.deleteSecret(broken.secretRef);
    QuorbitViewModel& vm = loadedModel();
    ASSERT_TRUE(vm.statusMessage().has_value());

    run(vm.copyCode(working));
    const std::optional<QString> copied = vm.statusMessage();
    ASSERT_TRUE(copied.has_value());
    EXPECT_TRUE(copied->startsWith(QStringLiteral("Copied "))) << copied->toStdString();

    run(vm.refreshTick());
    EXPECT_EQ(vm.statusMessage(), copied);
}

}  // namespace
}  // namespace quorbit::test
