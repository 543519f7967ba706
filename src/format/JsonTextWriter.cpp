#include "format/JsonTextWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

#include <openssl/crypto.h>

#include "lib/Base64Codec.h"
#include "lib/Utf8Validator.h"

namespace quorbit {
namespace {

// Bytes written as they are: printable ASCII but the quote and the backslash. Looked up, as
// every byte of every text goes through it.
constexpr std::array<bool, 256> plainBytes = [] {
    std::array<bool, 256> plain{};
    for (std::size_t byte = 0x20; byte < 0x80; ++byte) plain[byte] = byte != '"' && byte != '\\';
    return plain;
}();

bool isPlain(char byte) { return plainBytes[static_cast<unsigned char>(byte)]; }

std::string_view shortEscape(unsigned char byte) {
    switch (byte) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\b': return "\\b";
    case '\f': return "\\f";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: return {};
    }
}

std::array<char, 6> controlEscape(unsigned char byte) {
    constexpr std::string_view hexDigits = "0123456789abcdef";
    return {'\\', 'u', '0', '0', hexDigits[byte >> 4], hexDigits[byte & 0x0F]};
}

}  // namespace

JsonTextWriter::JsonTextWriter(std::string& output, int indent)
    : output_(output), indent_(indent > 0 ? static_cast<std::size_t>(indent) : 0) {}

JsonTextWriter& JsonTextWriter::beginObject() { return open('{'); }
JsonTextWriter& JsonTextWriter::endObject() { return close('}'); }
JsonTextWriter& JsonTextWriter::beginArray() { return open('['); }
JsonTextWriter& JsonTextWriter::endArray() { return close(']'); }

JsonTextWriter& JsonTextWriter::open(char bracket) {
    separate();
    put(bracket);
    containerHasMembers_.push_back(false);
    return *this;
}

JsonTextWriter& JsonTextWriter::close(char bracket) {
    const bool hadMembers = containerHasMembers_.back();
    containerHasMembers_.pop_back();
    if (hadMembers) newline(containerHasMembers_.size());
    put(bracket);
    return *this;
}

JsonTextWriter& JsonTextWriter::key(std::string_view name) {
    separate();
    escaped(name);
    put(indent_ > 0 ? ": " : ":");
    afterKey_ = true;
    return *this;
}

JsonTextWriter& JsonTextWriter::string(std::string_view text) {
    separate();
    escaped(text);
    return *this;
}

JsonTextWriter& JsonTextWriter::base64String(std::span<const std::uint8_t> bytes) {
    separate();
    put('"');
    makeRoom((bytes.size() + 2) / 3 * 4);
    Base64Codec::encode(bytes, output_);
    put('"');
    return *this;
}

JsonTextWriter& JsonTextWriter::integer(std::int64_t value) {
    separate();
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    put(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
    return *this;
}

JsonTextWriter& JsonTextWriter::boolean(bool value) {
    separate();
    put(value ? "true" : "false");
    return *this;
}

// A value right after its key needs no comma; any other member or element after the first does.
void JsonTextWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (containerHasMembers_.empty()) return;
    if (containerHasMembers_.back()) put(',');
    containerHasMembers_.back() = true;
    newline(containerHasMembers_.size());
}

void JsonTextWriter::newline(std::size_t depth) {
    if (indent_ == 0) return;
    put('\n');
    makeRoom(depth * indent_);
    output_.append(depth * indent_, ' ');
}

// The text may hold secrets, so a full buffer is copied into a larger one and wiped, never
// handed back to the allocator as it is.
void JsonTextWriter::grow(std::size_t extra) {
    std::string larger;
    larger.reserve(std::max(output_.size() + extra, output_.capacity() * 2));
    larger.append(output_);
    OPENSSL_cleanse(output_.data(), output_.capacity());
    output_.swap(larger);
}

// Most texts need no escaping at all: they are copied whole, after one check for room.
void JsonTextWriter::escaped(std::string_view text) {
    const auto plainEnd = std::find_if_not(text.begin(), text.end(), isPlain);
    const auto plain = static_cast<std::size_t>(plainEnd - text.begin());
    makeRoom(plain + 2);
    output_.push_back('"');
    output_.append(text.data(), plain);
    if (plain < text.size()) escapeEach(text.substr(plain));
    put('"');
}

void JsonTextWriter::escapeEach(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size()) {
        std::size_t runEnd = index;
        while (runEnd < text.size() && isPlain(text[runEnd])) ++runEnd;
        put(text.substr(index, runEnd - index));
        index = runEnd;
        if (index == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8Validator::characterLength(text.substr(index));
            if (length == 0) throw std::invalid_argument("Text is not valid UTF-8");
            put(text.substr(index, length));
            index += length;
            continue;
        }
        const std::string_view escape = shortEscape(byte);
        if (escape.empty()) {
            const auto escapeText = controlEscape(byte);
            put(std::string_view(escapeText.data(), escapeText.size()));
        } else {
            put(escape);
        }
        ++index;
    }
}

}  // namespace quorbit
