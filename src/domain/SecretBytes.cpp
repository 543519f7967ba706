#include "domain/SecretBytes.h"

#include <openssl/crypto.h>

#include <algorithm>

namespace quorbit {
namespace {

void wipe(std::vector<std::uint8_t>& bytes) noexcept {
    if (bytes.capacity() > 0) OPENSSL_cleanse(bytes.data(), bytes.capacity());
}

}  // namespace

SecretBytes::SecretBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
SecretBytes::SecretBytes(std::initializer_list<std::uint8_t> bytes) : bytes_(bytes) {}
SecretBytes::SecretBytes(std::size_t size) : bytes_(size, 0) {}

SecretBytes SecretBytes::fromText(std::string_view text) {
    return SecretBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

SecretBytes::SecretBytes(const SecretBytes& other) : bytes_(other.bytes_) {}
SecretBytes::SecretBytes(SecretBytes&& other) noexcept : bytes_(std::move(other.bytes_)) {}

SecretBytes& SecretBytes::operator=(const SecretBytes& other) {
    if (this != &other) {
        clear();
        bytes_ = other.bytes_;
    }
    return *this;
}

SecretBytes& SecretBytes::operator=(SecretBytes&& other) noexcept {
    if (this != &other) {
        wipe(bytes_);
        bytes_ = std::move(other.bytes_);
    }
    return *this;
}

SecretBytes::~SecretBytes() { wipe(bytes_); }

void SecretBytes::reserveWiping(std::size_t capacity) {
    if (capacity <= bytes_.capacity()) return;
    std::vector<std::uint8_t> larger;
    larger.reserve(std::max(capacity, bytes_.capacity() * 2));
    larger.assign(bytes_.begin(), bytes_.end());
    wipe(bytes_);
    bytes_.swap(larger);
}

void SecretBytes::append(std::span<const std::uint8_t> bytes) {
    reserveWiping(bytes_.size() + bytes.size());
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void SecretBytes::appendText(std::string_view text) {
    append(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void SecretBytes::push_back(std::uint8_t byte) {
    reserveWiping(bytes_.size() + 1);
    bytes_.push_back(byte);
}

void SecretBytes::clear() noexcept {
    wipe(bytes_);
    bytes_.clear();
}

bool SecretBytes::operator==(const SecretBytes& other) const noexcept {
    return bytes_.size() == other.bytes_.size() &&
           CRYPTO_memcmp(bytes_.data(), other.bytes_.data(), bytes_.size()) == 0;
}

}  // namespace quorbit
