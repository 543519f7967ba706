#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QTest>

#include "application/usecases/ExportBackup.h"
#include "domain/QuorbitError.h"
#include "infrastructure/crypto/EncryptedBackupCryptoService.h"
#include "support/StoredAccount.h"
#include "ui/viewmodel/ViewModelFixture.h"

namespace quorbit::test {

// The view model in English with the real backup cipher at a low iteration count: new
// backups record the key derivation they were asked for and are then sealed cheaply.
class DataActionsFixture : public ViewModelFixture {
protected:
    static constexpr int cheapIterations = 1000;

    struct CipherRequest {
        int iterations;
        int saltBytes;
        bool operator==(const CipherRequest&) const = default;
    };

    DataActionsFixture() {
        backupOpening = &realCrypto;
        makeBackupCrypto = [this](int iterations, int saltBytes) {
            cipherRequests.push_back({iterations, saltBytes});
            return std::make_unique<EncryptedBackupCryptoService>(cheapIterations, saltBytes);
        };
    }

    QuorbitViewModel& model() {
        QuorbitViewModel& made = makeViewModel();
        AppSettings english = made.settings();
        english.language = AppLanguage::english;
        made.setSettings(english);
        return made;
    }

    // The model with the stored accounts loaded, which unlocks the vault.
    QuorbitViewModel& loadedModel() {
        QuorbitViewModel& made = model();
        run(made.reload());
        return made;
    }

    // One change of the settings through their one setter, as the views make it.
    void changeSettings(const std::function<void(AppSettings&)>& change) {
        AppSettings changed = viewModel->settings();
        change(changed);
        viewModel->setSettings(changed);
    }

    std::vector<std::uint8_t> backupOf(const std::string& password) {
        return ExportBackup(repository, secrets, base32, realCrypto, clock).execute(SecretBytes::fromText(password));
    }

    BackupPayload open(const std::filesystem::path& path, const std::string& password) {
        const auto bytes = files.file(path);
        if (!bytes) throw QuorbitError::persistenceFailure("not written");
        return realCrypto.decrypt(*bytes, SecretBytes::fromText(password));
    }

    // Starts an operation that the test then waits for through its effects.
    static void detachTask(QCoro::Task<> task) { (void)task; }

    // Runs the event loop until the status line reads `expected`.
    bool waitForStatus(const QString& expected) {
        return QTest::qWaitFor([&] { return viewModel->statusMessage() == expected; }, 10'000);
    }

    static QString describe(QuorbitError::Case errorCase) {
        return ViewModelFixture::describe(QuorbitError(errorCase));
    }

    EncryptedBackupCryptoService realCrypto{cheapIterations, 16};
    std::vector<CipherRequest> cipherRequests;
};

}  // namespace quorbit::test
