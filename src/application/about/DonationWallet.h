#pragma once

#include <map>
#include <string>
#include <vector>

namespace quorbit {

// A network on which the project accepts support, with the address the build was given.
struct DonationWallet {
    std::string id;
    std::string title;
    std::string address;
    std::string logoFileName;  // our own drawing of the network's mark
    double accentRed = 0;
    double accentGreen = 0;
    double accentBlue = 0;

    bool operator==(const DonationWallet&) const = default;

    // The wallets in display order, each with its address from `addressesById`. A wallet the
    // build has no address for is left out: a made-up address would send money to a stranger.
    static std::vector<DonationWallet> quorbitSupport(const std::map<std::string, std::string>& addressesById);
};

}  // namespace quorbit
