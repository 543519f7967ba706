#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QPointer>
#include <QWidget>

#include <qcoro/qcorotask.h>

#include "application/about/DonationWallet.h"
#include "domain/AppLanguage.h"

class QLabel;
class QVBoxLayout;

namespace quorbit {

class DonationSection;
class QuorbitViewModel;
class WalletQrSheet;

// The About window's content (and the settings' last tab): the header, the donation section,
// the changelog, the developer, the privacy facts, diagnostics and the status line, in one
// vertically scrolling column that follows the interface language.
class AboutView : public QWidget {
    Q_OBJECT
public:
    static constexpr auto copiedMarkDuration = std::chrono::milliseconds(1400);

    // With the wallets the build was given.
    explicit AboutView(QuorbitViewModel& viewModel, QWidget* parent = nullptr);
    AboutView(QuorbitViewModel& viewModel, std::vector<DonationWallet> wallets, QWidget* parent = nullptr);

    // Puts the address on the clipboard and marks its card for 1.4 s.
    void copyWallet(const DonationWallet& wallet);
    void showQr(const DonationWallet& wallet);

    const std::optional<std::string>& copiedWalletID() const noexcept { return copiedWalletID_; }
    WalletQrSheet* qrSheet() const;
    DonationSection* donationSection() const noexcept { return donation_; }

protected:
    bool event(QEvent* event) override;

private:
    using Relabel = std::function<void(AppLanguage)>;

    QWidget* buildHeader();
    QWidget* buildChangelog();
    QWidget* buildDeveloper();
    QWidget* buildPrivacy();
    QWidget* buildDiagnostics();
    QLabel* symbolLabel(const QString& symbol, int side, std::function<QColor()> color);
    QLabel* addText(QLabel* label, std::string_view english, std::string_view russian);
    void relabel();
    void showStatus();
    void setCopiedWalletID(std::optional<std::string> id);
    static QCoro::Task<> clearCopiedMarkLater(QPointer<AboutView> view, std::string walletID);

    QuorbitViewModel& viewModel_;
    DonationSection* donation_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<Relabel> relabels_;
    std::vector<std::function<void()>> refreshIcons_;
    std::optional<AppLanguage> shownLanguage_;
    std::optional<std::string> copiedWalletID_;
    QPointer<WalletQrSheet> qrSheet_;
};

}  // namespace quorbit
