#include "application/usecases/AccountCollationKeys.h"

#include <unordered_set>

#include "domain/UnicodeText.h"

namespace quorbit {

void AccountCollationKeys::followLocale() {
    std::string locale = UnicodeText::collationLocale();
    if (locale == locale_) return;
    entries_.clear();
    locale_ = std::move(locale);
}

const AccountCollationKeys::Key& AccountCollationKeys::keyFor(const OtpAccount& account) {
    Entry& entry = entries_[account.id];
    if (entry.key.idText.empty() || entry.issuer != account.issuer || entry.accountName != account.accountName) {
        entry = {account.issuer,
                 account.accountName,
                 {UnicodeText::collationKey(account.issuer + " " + account.accountName), account.id.toString()}};
    }
    return entry.key;
}

void AccountCollationKeys::forgetAbsent(const std::vector<OtpAccount>& accounts) {
    if (entries_.size() <= 2 * accounts.size() + 16) return;
    std::unordered_set<Uuid> listed;
    for (const OtpAccount& account : accounts) listed.insert(account.id);
    std::erase_if(entries_, [&](const auto& entry) { return !listed.contains(entry.first); });
}

}  // namespace quorbit
