#include "support/views/SampleAccounts.h"

#include <chrono>
#include <stdexcept>

namespace quorbit::test {
namespace {

using std::chrono::days;
using std::chrono::hours;

OtpAccount make(std::string_view id, std::string issuer, std::string accountName, std::vector<std::string> tags) {
    OtpAccount account;
    account.id = *Uuid::parse(id);
    account.issuer = std::move(issuer);
    account.accountName = std::move(accountName);
    account.secretRef = OtpSecretRef{std::string(id)};
    account.createdAt = sampleNow() - days(40);
    account.updatedAt = account.createdAt;
    account.tags = std::move(tags);
    return account;
}

}  // namespace

TimePoint sampleNow() { return TimePoint(std::chrono::seconds(1'773'480'390)); }

std::vector<OtpAccount> sampleAccounts() {
    std::vector<OtpAccount> accounts;
    OtpAccount github = make("6F1C2A3B-0000-4000-8000-000000000001", "GitHub", "alice@example.com", {"Dev", "Work"});
    github.lastUsedAt = sampleNow() - hours(2);
    accounts.push_back(github);

    accounts.push_back(make("6F1C2A3B-0000-4000-8000-000000000002", "Google", "alice.work@example.com", {"Work"}));

    OtpAccount aws = make("6F1C2A3B-0000-4000-8000-000000000003", "AWS", "root@example.com", {});
    aws.digits = 8;
    accounts.push_back(aws);

    OtpAccount bank = make("6F1C2A3B-0000-4000-8000-000000000004", "Example Bank", "alice", {"Finance"});
    bank.type = OtpType::hotp;
    bank.hotpCounter = 42;
    accounts.push_back(bank);

    OtpAccount proton = make("6F1C2A3B-0000-4000-8000-000000000005", "Proton", "alice@example.com",
                             {"Email", "Personal", "Privacy", "Travel"});
    proton.isFavorite = true;
    accounts.push_back(proton);

    accounts.push_back(make("6F1C2A3B-0000-4000-8000-000000000006", "Example Enterprise Single Sign-On Portal",
                            "a.very.long.account.name.for.testing@corporate.example.com", {"Work"}));

    OtpAccount plain = make("6F1C2A3B-0000-4000-8000-000000000007", "", "bob@example.com", {});
    plain.digits = 7;
    accounts.push_back(plain);

    OtpAccount trashed = make("6F1C2A3B-0000-4000-8000-000000000008", "Old Forum", "alice", {});
    trashed.trashedAt = sampleNow() - days(3);
    accounts.push_back(trashed);
    return accounts;
}

OtpAccount sampleAccount(std::string_view issuerOrName) {
    for (const OtpAccount& account : sampleAccounts()) {
        if (account.issuer == issuerOrName || (account.issuer.empty() && account.accountName == issuerOrName)) {
            return account;
        }
    }
    throw std::out_of_range("no sample account " + std::string(issuerOrName));
}

std::string sampleCode(const OtpAccount& account) {
    return std::string("48291375").substr(0, static_cast<std::size_t>(account.digits));
}

}  // namespace quorbit::test
