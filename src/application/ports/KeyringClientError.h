#pragma once

#include <exception>
#include <string>
#include <utility>

#include "domain/QuorbitError.h"

namespace quorbit {

// The keyring client's own error; the secret store converts it to QuorbitError.
class KeyringClientError : public std::exception {
public:
    enum class Case {
        locked,           // locked, and no prompt possible
        promptDismissed,  // the unlock prompt was dismissed
        unavailable,      // no Secret Service on the bus
        failure,
        itemNotFound,
    };

    static KeyringClientError locked() {
        return {Case::locked, "the keyring is locked and cannot ask to be unlocked now"};
    }
    static KeyringClientError promptDismissed() {
        return {Case::promptDismissed, "the keyring stayed locked because its unlock prompt was dismissed"};
    }
    static KeyringClientError unavailable() {
        return {Case::unavailable, std::string(QuorbitError::keychainUnavailableDetail)};
    }
    static KeyringClientError failure(std::string message) { return {Case::failure, std::move(message)}; }
    static KeyringClientError itemNotFound() { return {Case::itemNotFound, "Item not found"}; }

    Case errorCase() const noexcept { return case_; }
    // Refused access: the user can still unlock the keyring, or start one.
    bool isAccessDenied() const noexcept {
        return case_ == Case::locked || case_ == Case::promptDismissed || case_ == Case::unavailable;
    }
    const std::string& message() const noexcept { return message_; }  // never holds secret bytes
    const char* what() const noexcept override { return message_.c_str(); }

    bool operator==(const KeyringClientError& other) const noexcept {
        return case_ == other.case_ && message_ == other.message_;
    }

private:
    KeyringClientError(Case errorCase, std::string message) : case_(errorCase), message_(std::move(message)) {}

    Case case_;
    std::string message_;
};

}  // namespace quorbit
