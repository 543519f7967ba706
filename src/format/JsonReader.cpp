#include "format/JsonReader.h"

#include <algorithm>
#include <stdexcept>

#include <openssl/crypto.h>

#include "format/JsonNestingScan.h"
#include "format/JsonSyntaxError.h"
#include "format/JsonTypeError.h"

namespace quorbit {
namespace {

[[noreturn]] void failParsing(std::size_t byte, const std::string& reason) { throw JsonSyntaxError(byte, reason); }

void failWhenTooDeep(std::string_view text) {
    if (const auto tooDeep = JsonNestingScan::firstTooDeep(text, JsonReader::maxDepth)) {
        failParsing(*tooDeep, "nested deeper than 32 levels");
    }
}

JsonValue rootOf(const simdjson::simdjson_result<simdjson::dom::element>& result) {
    if (result.error() == simdjson::MEMALLOC) throw std::bad_alloc();
    // simdjson's own messages describe the fault without quoting the text.
    if (result.error() != simdjson::SUCCESS) failParsing(0, simdjson::error_message(result.error()));
    return JsonValue(result.value_unsafe());
}

}  // namespace

JsonReader::JsonReader() {
    if (parser_.allocate(simdjson::SIMDJSON_PADDING, maxDepth) != simdjson::SUCCESS) {
        throw std::bad_alloc();
    }
}

JsonValue JsonReader::read(std::string_view text) {
    // An empty view may have no storage at all, which the parser must not be handed.
    if (text.empty()) failParsing(0, simdjson::error_message(simdjson::EMPTY));
    failWhenTooDeep(text);
    return rootOf(parser_.parse(text.data(), text.size()));
}

// The parser copies the text only when its string has too little room to spare.
JsonValue JsonReader::readInPlace(const std::string& text) {
    failWhenTooDeep(text);
    return rootOf(parser_.parse(text));
}

// The parser reads the padded copy in place instead of copying it into a buffer of its own.
SecretBytes JsonReader::paddedCopy(std::string_view text) {
    SecretBytes padded(text.size() + padding);
    std::copy(text.begin(), text.end(), padded.data());
    return padded;
}

JsonValue JsonReader::readPadded(simdjson::dom::document& document, std::span<const std::uint8_t> padded,
                                 std::size_t size) {
    if (padded.size() < size + padding) throw std::invalid_argument("The text has no room after it for the parser");
    const std::string_view text(reinterpret_cast<const char*>(padded.data()), size);
    failWhenTooDeep(text);
    return rootOf(parser_.parse_into_document(document, padded.data(), size, false));
}

// The document keeps every string of the text, unescaped, in its string buffer; its size
// follows simdjson's own rule for a document of that capacity.
JsonReader::DocumentWipe::~DocumentWipe() {
    if (!document.string_buf || document.capacity() == 0) return;
    const std::size_t stringCapacity = SIMDJSON_ROUNDUP_N(5 * document.capacity() / 3 + simdjson::SIMDJSON_PADDING, 64);
    OPENSSL_cleanse(document.string_buf.get(), stringCapacity);
}

void throwUnexpectedType(const char* expected, const JsonValue& found) {
    throw JsonTypeError(std::string("expected ") + expected + ", found " + found.typeName());
}

void readJson(const JsonValue& json, std::string& value) {
    const auto text = json.string();
    if (!text) throwUnexpectedType("a string", json);
    value = *text;
}

}  // namespace quorbit
