#pragma once

#include <QDialog>

#include "application/about/DonationWallet.h"
#include "domain/AppLanguage.h"

namespace quorbit {

// A wallet's address as a QR code, with the address below it and a Close button; 360 px wide.
// Opened window-modal over the About view, never run as a nested event loop.
class WalletQrSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int sheetWidth = 360;
    static constexpr int qrSide = 248;

    WalletQrSheet(const DonationWallet& wallet, AppLanguage language, QWidget* parent);

    const DonationWallet& wallet() const noexcept { return wallet_; }

private:
    DonationWallet wallet_;
};

}  // namespace quorbit
