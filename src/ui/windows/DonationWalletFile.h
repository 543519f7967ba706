#pragma once

#include <map>
#include <string>

#include <QString>

namespace quorbit {

// The donation addresses the build was given (a JSON object of wallet id to address, compiled
// in as a resource). Anything that is not such an object gives no addresses.
class DonationWalletFile {
public:
    static inline const QString builtIn = QStringLiteral(":/about/donation-wallets.json");

    static std::map<std::string, std::string> addresses(const QString& path = builtIn);
};

}  // namespace quorbit
