#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorbit {

// RFC 4122 identifier; new ones are version 4 from the system's secure random source.
class Uuid {
public:
    Uuid() = default;  // the nil UUID
    static Uuid random();
    // Accepts the 36-character hyphenated form in either letter case.
    static std::optional<Uuid> parse(std::string_view text);

    std::string toString() const;  // upper case, hyphenated
    const std::array<std::uint8_t, 16>& bytes() const noexcept { return bytes_; }

    auto operator<=>(const Uuid&) const = default;

private:
    std::array<std::uint8_t, 16> bytes_{};
};

}  // namespace quorbit

template <>
struct std::hash<quorbit::Uuid> {
    std::size_t operator()(const quorbit::Uuid& uuid) const noexcept {
        std::size_t h = 0;
        for (auto b : uuid.bytes()) h = h * 131 + b;
        return h;
    }
};
