#include "ui/windows/AboutView.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/ui/ViewModelHarness.h"
#include "ui/ObjectNames.h"
#include "ui/windows/DonationSection.h"
#include "ui/windows/DonationWalletCard.h"
#include "ui/windows/WalletQrSheet.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::about;

class AboutViewTest : public ::testing::Test, public ViewModelHarness {
protected:
    AboutView& makeView(std::vector<DonationWallet> wallets = {}) {
        view = std::make_unique<AboutView>(makeViewModel(), std::move(wallets));
        view->resize(580, 640);
        view->show();
        return *view;
    }

    QString labelText(const char* name) const { return view->findChild<QLabel*>(name)->text(); }

    static std::vector<DonationWallet> twoWallets() {
        return DonationWallet::quorbitSupport({{"toncoin-ton", "UQ-ton-address"}, {"usdt-erc20", "0xerc-address"}});
    }

    DonationWalletCard& card(int index) const {
        return *view->donationSection()->cards()[static_cast<std::size_t>(index)];
    }

    static void press(DonationWalletCard& card, const char* button) {
        QTest::mouseClick(card.findChild<QPushButton*>(button), Qt::LeftButton);
    }

    std::unique_ptr<AboutView> view;
};

TEST_F(AboutViewTest, ShowsTheVersionFallbackAndTheRealAccountsFile) {
    QCoreApplication::setApplicationVersion(QString());
    makeView();
    EXPECT_EQ(labelText(names::version), QStringLiteral("Version 2.0.0"));
    EXPECT_EQ(labelText(names::metadataPath), QString::fromStdString((dataFolder / "accounts.json").string()));
    EXPECT_TRUE(view->findChild<QLabel*>(names::status)->isHidden());
}

TEST_F(AboutViewTest, FollowsTheInterfaceLanguageExceptForThePath) {
    makeView();
    AppSettings russian = viewModel->settings();
    russian.language = AppLanguage::russian;
    viewModel->setSettings(russian);
    EXPECT_EQ(labelText(names::version), QStringLiteral("Версия 2.0.0"));
    EXPECT_EQ(view->findChild<QPushButton*>(names::diagnostics)->text(), QStringLiteral("Открыть логи / Диагностику"));
    EXPECT_EQ(labelText(names::metadataPath), QString::fromStdString((dataFolder / "accounts.json").string()));
}

TEST_F(AboutViewTest, DiagnosticsReportsAFolderNothingCouldOpen) {
    dataFolder = std::filesystem::path(::testing::TempDir()) / "quorbit-about-diagnostics";
    desktop.setSucceeds(false);
    makeView();
    QTest::mouseClick(view->findChild<QPushButton*>(names::diagnostics), Qt::LeftButton);
    const QLabel* status = view->findChild<QLabel*>(names::status);
    EXPECT_FALSE(status->isHidden());
    EXPECT_TRUE(status->text().contains(QStringLiteral("no file manager could open")));
    EXPECT_TRUE(std::filesystem::is_directory(dataFolder));
}

TEST_F(AboutViewTest, WithoutWalletsTheDonationSectionIsHidden) {
    makeView();
    EXPECT_TRUE(view->donationSection()->isHidden());
}

TEST_F(AboutViewTest, CopyingAnotherWalletMovesTheMarkAndTheEarlierTimerLeavesItAlone) {
    delays.hold(true);
    makeView(twoWallets());
    ASSERT_FALSE(view->donationSection()->isHidden());
    press(card(0), names::walletCopy);
    EXPECT_TRUE(card(0).isCopied());
    EXPECT_EQ(card(0).findChild<QPushButton*>(names::walletCopy)->text(), QStringLiteral("Address copied"));
    press(card(1), names::walletCopy);
    EXPECT_FALSE(card(0).isCopied());
    EXPECT_TRUE(card(1).isCopied());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("0xerc-address"));

    delays.elapseOldest();  // the first press's 1.4 s are over
    EXPECT_EQ(view->copiedWalletID(), std::optional<std::string>("usdt-erc20"));
    delays.elapseOldest();
    EXPECT_EQ(view->copiedWalletID(), std::nullopt);
    EXPECT_EQ(delays.requested(),
              (std::vector<std::chrono::milliseconds>{AboutView::copiedMarkDuration, AboutView::copiedMarkDuration}));
}

TEST_F(AboutViewTest, CopyingTheSameWalletTwiceEndsWithTheFirstTimer) {
    delays.hold(true);
    makeView(twoWallets());
    press(card(0), names::walletCopy);
    press(card(0), names::walletCopy);
    delays.elapseOldest();
    EXPECT_EQ(view->copiedWalletID(), std::nullopt);
    EXPECT_EQ(card(0).findChild<QPushButton*>(names::walletCopy)->text(), QStringLiteral("Copy"));
    delays.elapse();
}

TEST_F(AboutViewTest, ATimerThatEndsAfterTheViewIsGoneDoesNothing) {
    delays.hold(true);
    makeView(twoWallets());
    press(card(0), names::walletCopy);
    view.reset();
    delays.elapse();
    SUCCEED();
}

TEST_F(AboutViewTest, QrOpensASheetForThatWallet) {
    makeView(twoWallets());
    press(card(1), names::walletQr);
    ASSERT_NE(view->qrSheet(), nullptr);
    EXPECT_EQ(view->qrSheet()->wallet().id, "usdt-erc20");
    EXPECT_EQ(view->qrSheet()->width(), 360);
}

}  // namespace
}  // namespace quorbit::test
