#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "application/about/DonationWallet.h"
#include "domain/AppLanguage.h"

class QGridLayout;
class QLabel;

namespace quorbit {

class DonationWalletCard;

// "Support the project": one card per wallet in a grid of as many columns of at least 238 px
// as the width allows. Owns no state: the About view says which wallet shows as copied.
class DonationSection : public QWidget {
    Q_OBJECT
public:
    static constexpr int minimumColumnWidth = 238;
    static constexpr int columnSpacing = 10;

    static int columnCountForWidth(int width);

    DonationSection(std::vector<DonationWallet> wallets, QWidget* parent = nullptr);

    void setLanguage(AppLanguage language);
    void setCopiedWalletID(const std::optional<std::string>& id);
    int columnCount() const noexcept { return columns_; }
    const std::vector<DonationWalletCard*>& cards() const noexcept { return cards_; }

signals:
    void copyRequested(const DonationWallet& wallet);
    void qrRequested(const DonationWallet& wallet);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangeCards(int columns);

    AppLanguage language_ = AppLanguage::english;
    QLabel* title_;
    QLabel* text_;
    QGridLayout* grid_;
    std::vector<DonationWalletCard*> cards_;
    int columns_ = 0;
};

}  // namespace quorbit
