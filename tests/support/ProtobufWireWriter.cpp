#include "support/ProtobufWireWriter.h"

namespace quorbit::test {

ProtobufWireWriter& ProtobufWireWriter::varint(std::uint64_t number, std::uint64_t value) {
    appendTag(number, 0);
    appendVarint(value);
    return *this;
}

ProtobufWireWriter& ProtobufWireWriter::bytes(std::uint64_t number, std::span<const std::uint8_t> value) {
    appendTag(number, 2);
    appendVarint(value.size());
    data_.insert(data_.end(), value.begin(), value.end());
    return *this;
}

ProtobufWireWriter& ProtobufWireWriter::text(std::uint64_t number, std::string_view value) {
    return bytes(number, {reinterpret_cast<const std::uint8_t*>(value.data()), value.size()});
}

ProtobufWireWriter& ProtobufWireWriter::message(std::uint64_t number, const ProtobufWireWriter& value) {
    return bytes(number, value.data());
}

ProtobufWireWriter& ProtobufWireWriter::fixed32(std::uint64_t number, std::uint32_t value) {
    appendTag(number, 5);
    appendLittleEndian(value, 4);
    return *this;
}

ProtobufWireWriter& ProtobufWireWriter::fixed64(std::uint64_t number, std::uint64_t value) {
    appendTag(number, 1);
    appendLittleEndian(value, 8);
    return *this;
}

ProtobufWireWriter& ProtobufWireWriter::raw(std::initializer_list<std::uint8_t> value) {
    data_.insert(data_.end(), value.begin(), value.end());
    return *this;
}

void ProtobufWireWriter::appendVarint(std::uint64_t value) {
    while (value >= 0x80) {
        data_.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    data_.push_back(static_cast<std::uint8_t>(value));
}

void ProtobufWireWriter::appendTag(std::uint64_t number, std::uint8_t wireType) {
    appendVarint(number << 3 | wireType);
}

void ProtobufWireWriter::appendLittleEndian(std::uint64_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) data_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace quorbit::test
