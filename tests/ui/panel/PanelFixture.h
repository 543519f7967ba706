#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include <QApplication>

#include "support/StoredAccount.h"
#include "support/views/SampleAccounts.h"
#include "ui/panel/PanelView.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {

// The panel over a view model with fakes: stored accounts with secrets, settings, and a vault
// that unlocks without asking.
class PanelFixture : public ViewModelFixture {
protected:
    void storeAccounts(const std::vector<OtpAccount>& accounts) {
        repository.setAccounts(accounts);
        std::uint8_t seed = 1;
        for (const OtpAccount& account : accounts) {
            secrets.saveSecret(SecretBytes{seed, 2, 3, 4, 5, 6, 7, 8, 9, 10}, account.secretRef);
            ++seed;
        }
    }

    // Onboarding done, at the pictures' moment; made and, when asked, unlocked.
    QuorbitViewModel& makeModel(AppSettings settings, bool unlocked) {
        settings.hasCompletedOnboarding = true;
        settingsStore.saveSettings(settings);
        clock.set(sampleNow());
        QuorbitViewModel& model = makeViewModel();
        if (unlocked) run(model.unlock());
        return model;
    }

    PanelView& makePanel(AppSettings settings, bool unlocked) {
        panel = std::make_unique<PanelView>(makeModel(std::move(settings), unlocked));
        panel->resize(PanelView::panelWidth, PanelView::panelHeight);
        return *panel;
    }

    template <typename T>
    T* find(const char* name) const {
        return panel->findChild<T*>(QString::fromLatin1(name));
    }

    static void settle() { QApplication::processEvents(); }

    // An unlock started from the panel has run to its end (its last step records the event),
    // so nothing of it is left to resume after the test.
    bool unlockFinished() const {
        const auto logged = events.events();
        return std::any_of(logged.begin(), logged.end(),
                           [](const SecurityEvent& event) { return event.kind == SecurityEventKind::appUnlocked; });
    }

    std::unique_ptr<PanelView> panel;
};

}  // namespace quorbit::test
