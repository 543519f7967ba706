#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace quorbit::test {

// Builds protocol-buffers messages by hand, malformed ones included, for the migration
// payload tests. The program itself never writes this format.
class ProtobufWireWriter {
public:
    ProtobufWireWriter& varint(std::uint64_t number, std::uint64_t value);
    ProtobufWireWriter& bytes(std::uint64_t number, std::span<const std::uint8_t> value);
    ProtobufWireWriter& text(std::uint64_t number, std::string_view value);
    ProtobufWireWriter& message(std::uint64_t number, const ProtobufWireWriter& value);
    ProtobufWireWriter& fixed32(std::uint64_t number, std::uint32_t value);
    ProtobufWireWriter& fixed64(std::uint64_t number, std::uint64_t value);
    // Bytes exactly as given, for tags and fields no well-formed writer would produce.
    ProtobufWireWriter& raw(std::initializer_list<std::uint8_t> value);

    const std::vector<std::uint8_t>& data() const noexcept { return data_; }

private:
    void appendVarint(std::uint64_t value);
    void appendTag(std::uint64_t number, std::uint8_t wireType);
    void appendLittleEndian(std::uint64_t value, int byteCount);

    std::vector<std::uint8_t> data_;
};

}  // namespace quorbit::test
