#include "domain/JsonReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include <openssl/crypto.h>

namespace quorbit {
namespace {

enum class ByteClass : unsigned char { other, quote, open, close };

constexpr std::array<ByteClass, 256> byteClasses = [] {
    std::array<ByteClass, 256> classes{};
    classes['"'] = ByteClass::quote;
    classes['['] = classes['{'] = ByteClass::open;
    classes[']'] = classes['}'] = ByteClass::close;
    return classes;
}();

// The byte just past the string that starts at `p`, or `end` when it is not closed. A quote
// preceded by an odd run of backslashes is escaped.
const char* afterString(const char* p, const char* end) {
    for (;;) {
        const auto* quote = static_cast<const char*>(std::memchr(p, '"', static_cast<std::size_t>(end - p)));
        if (quote == nullptr) return end;
        const char* run = quote;
        while (run > p && run[-1] == '\\') --run;
        p = quote + 1;
        if ((quote - run) % 2 == 0) return p;
    }
}

// The offset of the first bracket that opens a level beyond `maxDepth`. The parser would
// find it too, but only after indexing the whole text at four bytes per bracket; this scan
// stops there and needs no memory.
std::optional<std::size_t> firstTooDeep(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    std::size_t depth = 0;
    for (const char* p = begin; p < end;) {
        switch (byteClasses[static_cast<unsigned char>(*p++)]) {
        case ByteClass::other: break;
        case ByteClass::quote: p = afterString(p, end); break;
        case ByteClass::open:
            if (++depth > JsonReader::maxDepth) return static_cast<std::size_t>(p - begin);
            break;
        case ByteClass::close:
            if (depth > 0) --depth;
            break;
        }
    }
    return std::nullopt;
}

[[noreturn]] void failParsing(std::size_t byte, const std::string& reason) {
    throw nlohmann::json::parse_error::create(101, byte, reason, nullptr);
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
    if (const auto tooDeep = firstTooDeep(text)) failParsing(*tooDeep, "nested deeper than 32 levels");
    return rootOf(parser_.parse(text.data(), text.size()));
}

// The parser reads the padded copy in place instead of copying it into a buffer of its own.
SecretBytes JsonReader::paddedCopy(std::string_view text) {
    SecretBytes padded(text.size() + simdjson::SIMDJSON_PADDING);
    std::copy(text.begin(), text.end(), padded.data());
    return padded;
}

JsonValue JsonReader::readPadded(simdjson::dom::document& document, const SecretBytes& padded, std::size_t size) {
    const std::string_view text = padded.asText().substr(0, size);
    if (const auto tooDeep = firstTooDeep(text)) failParsing(*tooDeep, "nested deeper than 32 levels");
    return rootOf(parser_.parse_into_document(document, padded.data(), size, false));
}

// The document keeps every string of the text, unescaped, in its string buffer; its size
// follows simdjson's own rule for a document of that capacity.
JsonReader::DocumentWipe::~DocumentWipe() {
    if (!document.string_buf || document.capacity() == 0) return;
    const std::size_t stringCapacity =
        SIMDJSON_ROUNDUP_N(5 * document.capacity() / 3 + simdjson::SIMDJSON_PADDING, 64);
    OPENSSL_cleanse(document.string_buf.get(), stringCapacity);
}

void throwUnexpectedType(const char* expected, const JsonValue& found) {
    throw nlohmann::json::type_error::create(302, std::string("expected ") + expected + ", found " + found.typeName(),
                                             nullptr);
}

void readJson(const JsonValue& json, std::string& value) {
    const auto text = json.string();
    if (!text) throwUnexpectedType("a string", json);
    value = *text;
}

}  // namespace quorbit
