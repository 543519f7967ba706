#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "application/ports/QRImportService.h"
#include "application/ports/ScreenQRImportService.h"
#include "domain/QuorbitError.h"

namespace quorbit::test {

// Reads a scripted payload, or fails with a scripted error, from any image file or the screen;
// records the files it was given and how often the screen was read.
class FakeQRImportService final : public QRImportService, public ScreenQRImportService {
public:
    using Outcome = std::variant<std::string, QuorbitError>;

    std::string readPayload(const std::filesystem::path& imageFile) override {
        std::lock_guard lock(mutex_);
        files_.push_back(imageFile);
        return unwrap(imageOutcome_);
    }
    std::string readOtpAuthURIFromScreen() override {
        std::lock_guard lock(mutex_);
        ++screenReads_;
        return unwrap(screenOutcome_);
    }

    void setImageOutcome(Outcome outcome) {
        std::lock_guard lock(mutex_);
        imageOutcome_ = std::move(outcome);
    }
    void setScreenOutcome(Outcome outcome) {
        std::lock_guard lock(mutex_);
        screenOutcome_ = std::move(outcome);
    }
    std::vector<std::filesystem::path> files() const {
        std::lock_guard lock(mutex_);
        return files_;
    }
    int screenReads() const {
        std::lock_guard lock(mutex_);
        return screenReads_;
    }

private:
    static std::string unwrap(const Outcome& outcome) {
        if (const auto* error = std::get_if<QuorbitError>(&outcome)) throw *error;
        return std::get<std::string>(outcome);
    }

    mutable std::mutex mutex_;
    Outcome imageOutcome_ = QuorbitError(QuorbitError::Case::noQRCodeFound);
    Outcome screenOutcome_ = QuorbitError(QuorbitError::Case::noQRCodeFound);
    std::vector<std::filesystem::path> files_;
    int screenReads_ = 0;
};

}  // namespace quorbit::test
