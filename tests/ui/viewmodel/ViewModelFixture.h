#pragma once

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "application/text/AppLocalizer.h"
#include "domain/QuorbitError.h"
#include "support/StoredAccount.h"
#include "support/ui/ViewModelHarness.h"

namespace quorbit::test {

// The view model's tests: every port a fake (see ViewModelHarness).
class ViewModelFixture : public ::testing::Test, public ViewModelHarness {
protected:
    // The view model with English texts, as a run that finds these settings stored.
    QuorbitViewModel& makeEnglishViewModel(AppSettings stored = {}) {
        stored.language = AppLanguage::english;
        settingsStore.putSettings(stored);
        return makeViewModel();
    }

    // An account at the end of the stored list, with its secret in the store.
    OtpAccount store(std::string issuer, std::string name, std::string secret = "secret-bytes") {
        OtpAccount account = storedAccount(std::move(issuer), std::move(name));
        secrets.saveSecret(SecretBytes::fromText(secret), account.secretRef);
        repository.appendAccount(account);
        return account;
    }

    std::vector<std::pair<SecurityEventKind, std::string>> loggedEvents() const {
        std::vector<std::pair<SecurityEventKind, std::string>> logged;
        for (const SecurityEvent& event : events.events()) logged.emplace_back(event.kind, event.message);
        return logged;
    }

    static QString describe(const QuorbitError& error) {
        return QString::fromStdString(AppLocalizer(AppLanguage::english).errorDescription(error));
    }
};

}  // namespace quorbit::test
