#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <simdjson.h>

#include "domain/SecretBytes.h"
#include "format/JsonValue.h"

namespace quorbit {

// The one reader of every JSON text we load: store files, settings, backup envelopes and
// payloads. The text must be one value and nothing else: valid UTF-8, nested at most
// `maxDepth` deep, with only white space after it (a NUL byte is no end). Numbers must fit
// a 64-bit integer or a double. Where a key repeats in an object, its last value counts.
//
// A text that does not parse throws JsonSyntaxError, which names at most a byte offset, never
// the text; a record that does not decode throws the other JsonError types, so one
// `catch (const JsonError&)` covers both.
//
// A reader keeps its buffers for the next text, so a store that reads the same file again
// allocates nothing; it serves one caller at a time.
class JsonReader {
public:
    static constexpr std::size_t maxDepth = 32;

    JsonReader();

    // The value stays valid until the next read.
    JsonValue read(std::string_view text);

    // Decodes the whole text as T through the readJson overload for T.
    template <typename T>
    T decode(std::string_view text) {
        T value{};
        readJson(read(text), value);
        return value;
    }

    // As decode, for a string with at least `padding` bytes of capacity to spare after its text,
    // which the parser then reads where it is instead of copying it first.
    template <typename T>
    T decodeInPlace(const std::string& text) {
        T value{};
        readJson(readInPlace(text), value);
        return value;
    }

    // As decode, for a text that holds secrets: the copies the reader makes of it are wiped
    // before this returns, the decoded value being the only one left.
    template <typename T>
    T decodeSecret(std::string_view text) {
        return decodeSecret<T>(paddedCopy(text).view(), text.size());
    }

    // The bytes the parser may read past the end of a text.
    static constexpr std::size_t padding = simdjson::SIMDJSON_PADDING;

    // As decodeSecret, for a text in the first `size` bytes of a buffer that holds at least
    // `padding` more: the reader reads it where it is, without a copy. The buffer is the
    // caller's to wipe.
    template <typename T>
    T decodeSecret(std::span<const std::uint8_t> padded, std::size_t size) {
        simdjson::dom::document document;
        const DocumentWipe wipe{document};
        T value{};
        readJson(readPadded(document, padded, size), value);
        return value;
    }

private:
    struct DocumentWipe {
        simdjson::dom::document& document;
        ~DocumentWipe();
    };
    static SecretBytes paddedCopy(std::string_view text);
    JsonValue readInPlace(const std::string& text);
    JsonValue readPadded(simdjson::dom::document& document, std::span<const std::uint8_t> padded, std::size_t size);

    simdjson::dom::parser parser_;
};

// JsonTypeError "expected <expected>, found <the value's type>".
[[noreturn]] void throwUnexpectedType(const char* expected, const JsonValue& found);

void readJson(const JsonValue& json, std::string& value);

// An array, each element decoded as T.
template <typename T>
void readJson(const JsonValue& json, std::vector<T>& values) {
    if (!json.isArray()) throwUnexpectedType("an array", json);
    std::vector<T> decoded;
    decoded.reserve(json.size());
    json.forEachElement([&](const JsonValue& element) { readJson(element, decoded.emplace_back()); });
    values = std::move(decoded);
}

}  // namespace quorbit
