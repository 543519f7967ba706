#pragma once

#include <QWidget>

#include "application/about/DonationWallet.h"
#include "domain/AppLanguage.h"

class QLabel;
class QPushButton;

namespace quorbit {

// One wallet: its mark, title and address, a Copy button that shows when the address was just
// copied, and a QR button. Drawn on glass with an outline in the wallet's accent colour.
class DonationWalletCard : public QWidget {
    Q_OBJECT
public:
    DonationWalletCard(DonationWallet wallet, QWidget* parent = nullptr);

    const DonationWallet& wallet() const noexcept { return wallet_; }
    void setLanguage(AppLanguage language);
    void setCopied(bool copied);
    bool isCopied() const noexcept { return copied_; }

signals:
    void copyRequested();
    void qrRequested();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void relabel();

    DonationWallet wallet_;
    AppLanguage language_ = AppLanguage::english;
    bool copied_ = false;
    QPushButton* copyButton_;
    QPushButton* qrButton_;
};

}  // namespace quorbit
