#include "ui/windows/DonationSection.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include "support/views/PixelProbe.h"
#include "ui/ObjectNames.h"
#include "ui/kit/Theme.h"
#include "ui/windows/AddressText.h"
#include "ui/windows/DonationWalletCard.h"
#include "ui/windows/DonationWalletFile.h"
#include "ui/windows/QrCodeImage.h"

namespace quorbit {
namespace {

TEST(DonationSectionTest, TwoColumnsFitFrom486Pixels) {
    EXPECT_EQ(DonationSection::columnCountForWidth(0), 1);
    EXPECT_EQ(DonationSection::columnCountForWidth(485), 1);
    EXPECT_EQ(DonationSection::columnCountForWidth(486), 2);
    EXPECT_EQ(DonationSection::columnCountForWidth(734), 3);

    DonationSection section(DonationWallet::quorbitSupport(
        {{"toncoin-ton", "a"}, {"usdt-ton", "b"}, {"usdt-erc20", "c"}, {"usdt-trc20", "d"}}));
    section.resize(485, 400);
    section.show();
    EXPECT_EQ(section.columnCount(), 1);
    section.resize(486, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(section.columnCount(), 2);
}

// The card as the About window holds it: a child, so that its palette comes from a parent.
TEST(DonationSectionTest, TheAddressFollowsEachThemeSwitchAndBothButtonsAreAsTall) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* card =
        new DonationWalletCard(DonationWallet::quorbitSupport({{"toncoin-ton", "UQBvW8Z5huBkMJYdnfAEM5"}}).at(0));
    layout->addWidget(card);
    host.resize(360, 160);
    host.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(card->findChild<QPushButton*>(objectnames::about::walletCopy)->height(),
              card->findChild<QPushButton*>(objectnames::about::walletQr)->height());

    for (const AppTheme theme : {AppTheme::dark, AppTheme::light, AppTheme::dark}) {
        SCOPED_TRACE(theme == AppTheme::dark ? "dark" : "light");
        Theme::apply(theme);
        QCoreApplication::processEvents();
        EXPECT_GE(test::inkContrast(test::grabInWindow(card->findChild<AddressText*>())), 3.0);
    }
    Theme::apply(AppTheme::light);
}

TEST(DonationSectionTest, TheWalletFileGivesOnlyTextAddresses) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(R"({"toncoin-ton": "UQ-address", "usdt-ton": 7, "usdt-trc20": null})");
    file.close();
    EXPECT_EQ(DonationWalletFile::addresses(file.fileName()),
              (std::map<std::string, std::string>{{"toncoin-ton", "UQ-address"}}));
    EXPECT_TRUE(DonationWalletFile::addresses(QStringLiteral("/nonexistent/wallets.json")).empty());
    // The tree ships no address at all.
    EXPECT_TRUE(DonationWalletFile::addresses().empty());
}

TEST(DonationSectionTest, TheQrCodeReadsBackAsTheAddressExactly) {
    const QString address = QStringLiteral("UQBvW8Z5huBkMJYdnfAEM5JqTNkuWX3diqYENkWsIL0XggGG");
    const std::optional<QImage> image = QrCodeImage::make(address, 248);
    ASSERT_TRUE(image.has_value());
    EXPECT_LE(image->width(), 248);
    const ZXing::ImageView view(image->constBits(), image->width(), image->height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(image->bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view);
    ASSERT_TRUE(result.isValid());
    EXPECT_EQ(result.text(), address.toStdString());
    EXPECT_EQ(result.ecLevel(), "M");

    EXPECT_FALSE(QrCodeImage::make(QString(5000, QLatin1Char('x')), 248).has_value());
}

}  // namespace
}  // namespace quorbit
