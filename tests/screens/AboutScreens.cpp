#include <QApplication>

#include "screens/ScreenRegistry.h"
#include "screens/ScreenViewModel.h"
#include "ui/panel/Onboarding.h"
#include "ui/windows/AboutView.h"
#include "ui/windows/DonationSection.h"
#include "ui/windows/WalletQrSheet.h"

namespace quorbit::screens {
namespace {

// Test addresses only: the pictures show the cards, never a real wallet.
std::vector<DonationWallet> pictureWallets() {
    return DonationWallet::quorbitSupport({{"toncoin-ton", "UQTEST0000000000000000000000000000000000000000example"},
                                           {"usdt-ton", "UQTEST1111111111111111111111111111111111111111example"},
                                           {"usdt-erc20", "0x00000000000000000000000000000000000e1a3b"},
                                           {"usdt-trc20", "TTESTexampleAddress000000000000000"}});
}

std::unique_ptr<QWidget> aboutWindow(const ScreenContext& context, std::vector<DonationWallet> wallets, QSize size) {
    auto window = std::make_unique<QWidget>();
    QuorbitViewModel& viewModel = ScreenViewModel::make(context, *window);
    auto* view = new AboutView(viewModel, std::move(wallets), window.get());
    view->setGeometry(20, 20, size.width() - 40, size.height() - 40);
    window->resize(size);
    return window;
}

const ScreenRegistration aboutScreen("about", [](const ScreenContext& context) {
    return aboutWindow(context, pictureWallets(), QSize(620, 680));
});

const ScreenRegistration aboutNarrowScreen("about-narrow-no-wallets", [](const ScreenContext& context) {
    return aboutWindow(context, {}, QSize(560, 560));
});

const ScreenRegistration aboutTallScreen("about-full-length", [](const ScreenContext& context) {
    return aboutWindow(context, pictureWallets(), QSize(620, 2400));
});

const ScreenRegistration donationCopiedScreen("about-donation-copied", [](const ScreenContext& context) {
    auto section = std::make_unique<DonationSection>(pictureWallets());
    section->setLanguage(context.language);
    section->setCopiedWalletID(std::string("usdt-ton"));
    return onBackdrop(std::move(section), 520);
});

const ScreenRegistration qrSheetScreen("about-qr-sheet", [](const ScreenContext& context) {
    auto owner = std::make_unique<QWidget>();
    auto* sheet = new WalletQrSheet(pictureWallets().front(), context.language, nullptr);
    sheet->setWindowFlags(Qt::Widget);
    sheet->setParent(owner.get());
    sheet->adjustSize();
    owner->resize(sheet->size());
    return owner;
});

std::unique_ptr<QWidget> onboardingPanel(const ScreenContext& context, int continues, bool withAccounts) {
    auto panel = std::make_unique<QWidget>();
    ScreenContext shown = context;
    if (!withAccounts) shown.accounts.clear();
    QuorbitViewModel& viewModel = withAccounts ? ScreenViewModel::makeUnlocked(shown, *panel)
                                               : ScreenViewModel::make(shown, *panel);
    auto* onboarding = new Onboarding(viewModel, panel.get());
    for (int i = 0; i < continues; ++i) onboarding->activateDefaultAction();
    onboarding->setGeometry(12, 12, 368, 440);
    panel->resize(392, 464);
    return panel;
}

const ScreenRegistration onboardingFirst("onboarding-step-1", [](const ScreenContext& context) {
    return onboardingPanel(context, 0, false);
});
const ScreenRegistration onboardingSecond("onboarding-step-2", [](const ScreenContext& context) {
    return onboardingPanel(context, 1, false);
});
const ScreenRegistration onboardingLast("onboarding-step-5", [](const ScreenContext& context) {
    return onboardingPanel(context, 4, false);
});
const ScreenRegistration onboardingShort("onboarding-short", [](const ScreenContext& context) {
    return onboardingPanel(context, 0, true);
});

}  // namespace
}  // namespace quorbit::screens
