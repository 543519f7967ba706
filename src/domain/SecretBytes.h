#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace quorbit {

// Secret key material. The buffer is wiped whenever it is released, so secrets do not
// linger in freed memory. Never log or format its contents.
class SecretBytes {
public:
    SecretBytes() = default;
    explicit SecretBytes(std::span<const std::uint8_t> bytes);
    SecretBytes(std::initializer_list<std::uint8_t> bytes);
    static SecretBytes fromText(std::string_view text);
    explicit SecretBytes(std::size_t size);  // zero-filled

    SecretBytes(const SecretBytes& other);
    SecretBytes(SecretBytes&& other) noexcept;
    SecretBytes& operator=(const SecretBytes& other);
    SecretBytes& operator=(SecretBytes&& other) noexcept;
    ~SecretBytes();

    const std::uint8_t* data() const noexcept { return bytes_.data(); }
    std::uint8_t* data() noexcept { return bytes_.data(); }
    std::size_t size() const noexcept { return bytes_.size(); }
    bool empty() const noexcept { return bytes_.empty(); }
    std::span<const std::uint8_t> view() const noexcept { return bytes_; }
    std::string_view asText() const noexcept { return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()}; }

    // Appending never reallocates a live secret without wiping the old buffer.
    void append(std::span<const std::uint8_t> bytes);
    void appendText(std::string_view text);
    void push_back(std::uint8_t byte);
    void clear() noexcept;

    bool operator==(const SecretBytes& other) const noexcept;

private:
    void reserveWiping(std::size_t capacity);
    std::vector<std::uint8_t> bytes_;
};

}  // namespace quorbit
