#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>
#include <variant>

namespace quorbit {

// Walks the fields of one protocol-buffers message without a schema. Every read is checked
// against the end of the buffer; failures are ProtobufWireReader::Error.
class ProtobufWireReader {
public:
    // Internal to the reader's clients, which convert it to their own error.
    class Error : public std::exception {
    public:
        enum class Case { overlongVarInt, unknownWireType, unexpectedEndOfData };

        explicit Error(Case errorCase) noexcept : case_(errorCase) {}

        Case errorCase() const noexcept { return case_; }
        const char* what() const noexcept override;

    private:
        Case case_;
    };

    struct Field {
        std::uint64_t number;
        // A varint, or the raw bytes of a fixed64, length-delimited or fixed32 field; the
        // bytes point into the reader's buffer.
        std::variant<std::uint64_t, std::span<const std::uint8_t>> value;
    };

    explicit ProtobufWireReader(std::span<const std::uint8_t> data) noexcept : data_(data) {}

    bool atEnd() const noexcept { return offset_ >= data_.size(); }
    Field nextField();

private:
    std::uint64_t readVarInt();
    std::span<const std::uint8_t> readBytes(std::uint64_t count);

    std::span<const std::uint8_t> data_;
    std::size_t offset_ = 0;
};

}  // namespace quorbit
