#include "application/about/DonationWallet.h"

#include <array>

namespace quorbit {

std::vector<DonationWallet> DonationWallet::quorbitSupport(const std::map<std::string, std::string>& addressesById) {
    static const std::array<DonationWallet, 4> networks{{
        {"toncoin-ton", "Toncoin TON", "", "ton.svg", 0.13, 0.62, 0.95},
        {"usdt-ton", "USDT TON", "", "usdt.svg", 0.16, 0.7, 0.45},
        {"usdt-erc20", "USDT ERC20", "", "ethereum.svg", 0.35, 0.47, 0.95},
        {"usdt-trc20", "USDT TRC20", "", "tron.svg", 0.9, 0.31, 0.31},
    }};
    std::vector<DonationWallet> wallets;
    for (const DonationWallet& network : networks) {
        const auto found = addressesById.find(network.id);
        if (found == addressesById.end() || found->second.empty()) continue;
        DonationWallet wallet = network;
        wallet.address = found->second;
        wallets.push_back(std::move(wallet));
    }
    return wallets;
}

}  // namespace quorbit
