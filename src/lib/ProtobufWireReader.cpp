#include "lib/ProtobufWireReader.h"

namespace quorbit {
namespace {

using Error = ProtobufWireReader::Error;

constexpr std::size_t maxVarIntBytes = 10;

}  // namespace

const char* ProtobufWireReader::Error::what() const noexcept {
    switch (case_) {
    case Case::overlongVarInt: return "varint longer than ten bytes";
    case Case::unknownWireType: return "unknown wire type";
    case Case::unexpectedEndOfData: return "unexpected end of data";
    }
    return "invalid protocol buffer";
}

ProtobufWireReader::Field ProtobufWireReader::nextField() {
    if (atEnd()) throw Error(Error::Case::unexpectedEndOfData);
    const std::uint64_t tag = readVarInt();
    const std::uint64_t number = tag >> 3;
    switch (tag & 7) {
    case 0: return {number, readVarInt()};
    case 1: return {number, readBytes(8)};
    case 2: return {number, readBytes(readVarInt())};
    case 5: return {number, readBytes(4)};
    default: throw Error(Error::Case::unknownWireType);
    }
}

std::uint64_t ProtobufWireReader::readVarInt() {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < maxVarIntBytes; ++i) {
        if (atEnd()) throw Error(Error::Case::unexpectedEndOfData);
        const std::uint8_t byte = data_[offset_++];
        // The tenth byte lands at bit 63, so all but its lowest bit fall off the end.
        value |= std::uint64_t{byte & 0x7Fu} << (7 * i);
        if ((byte & 0x80) == 0) return value;
    }
    throw Error(Error::Case::overlongVarInt);
}

std::span<const std::uint8_t> ProtobufWireReader::readBytes(std::uint64_t count) {
    if (count > data_.size() - offset_) throw Error(Error::Case::unexpectedEndOfData);
    const auto bytes = data_.subspan(offset_, static_cast<std::size_t>(count));
    offset_ += static_cast<std::size_t>(count);
    return bytes;
}

}  // namespace quorbit
