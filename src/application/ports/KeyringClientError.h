#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

namespace quorbit {

// The keyring client's own error; the secret store converts it to QuorbitError.
class KeyringClientError : public std::exception {
public:
    enum class Case { osStatus, failure, itemNotFound };

    static KeyringClientError osStatus(std::int32_t status) {
        return {Case::osStatus, status, "Keyring error " + std::to_string(status)};
    }
    static KeyringClientError failure(std::string message) { return {Case::failure, 0, std::move(message)}; }
    static KeyringClientError itemNotFound() { return {Case::itemNotFound, 0, "Item not found"}; }

    Case errorCase() const noexcept { return case_; }
    std::int32_t status() const noexcept { return status_; }
    const std::string& message() const noexcept { return message_; }  // never holds secret bytes
    const char* what() const noexcept override { return message_.c_str(); }

    bool operator==(const KeyringClientError& other) const noexcept {
        return case_ == other.case_ && status_ == other.status_ && message_ == other.message_;
    }

private:
    KeyringClientError(Case errorCase, std::int32_t status, std::string message)
        : case_(errorCase), status_(status), message_(std::move(message)) {}

    Case case_;
    std::int32_t status_;
    std::string message_;
};

}  // namespace quorbit
