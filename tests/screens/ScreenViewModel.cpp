#include "screens/ScreenViewModel.h"

namespace quorbit::screens {

test::ViewModelHarness& ScreenViewModel::harnessFor(const ScreenContext& context, QWidget& owner) {
    auto* harness = new test::ViewModelHarness;
    QObject::connect(&owner, &QObject::destroyed, [harness] { delete harness; });
    harness->clock.set(context.now);
    harness->settingsStore.saveSettings(context.settings);
    harness->dataFolder = "/home/user/.local/share/Quorbit";
    return *harness;
}

QuorbitViewModel& ScreenViewModel::make(const ScreenContext& context, QWidget& owner) {
    return harnessFor(context, owner).makeViewModel();
}

QuorbitViewModel& ScreenViewModel::makeUnlocked(const ScreenContext& context, QWidget& owner) {
    test::ViewModelHarness& harness = harnessFor(context, owner);
    harness.repository.setAccounts(context.accounts);
    const SecretBytes secret{'1', '2', '3', '4', '5', '6', '7', '8', '9', '0',
                             '1', '2', '3', '4', '5', '6', '7', '8', '9', '0'};
    for (const OtpAccount& account : context.accounts) harness.secrets.saveSecret(secret, account.secretRef);
    QuorbitViewModel& viewModel = harness.makeViewModel();
    test::ViewModelHarness::run(viewModel.start());
    test::ViewModelHarness::run(viewModel.unlock());
    return viewModel;
}

}  // namespace quorbit::screens
