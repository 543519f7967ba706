#include "lib/JsonTextWriter.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "lib/Base64Codec.h"
#include "lib/Utf8Validator.h"

namespace quorbit {
namespace {

bool isPlain(unsigned char byte) { return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\'; }

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

void appendControl(std::string& output, unsigned char byte) {
    constexpr std::string_view hexDigits = "0123456789abcdef";
    output += "\\u00";
    output += hexDigits[byte >> 4];
    output += hexDigits[byte & 0x0F];
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
    output_ += bracket;
    containerHasMembers_.push_back(false);
    return *this;
}

JsonTextWriter& JsonTextWriter::close(char bracket) {
    const bool hadMembers = containerHasMembers_.back();
    containerHasMembers_.pop_back();
    if (hadMembers) newline(containerHasMembers_.size());
    output_ += bracket;
    return *this;
}

JsonTextWriter& JsonTextWriter::key(std::string_view name) {
    separate();
    escaped(name);
    output_ += indent_ > 0 ? ": " : ":";
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
    output_ += '"';
    Base64Codec::encode(bytes, output_);
    output_ += '"';
    return *this;
}

JsonTextWriter& JsonTextWriter::integer(std::int64_t value) {
    separate();
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    output_.append(digits.data(), result.ptr);
    return *this;
}

JsonTextWriter& JsonTextWriter::boolean(bool value) {
    separate();
    output_ += value ? "true" : "false";
    return *this;
}

// A value right after its key needs no comma; any other member or element after the first does.
void JsonTextWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (containerHasMembers_.empty()) return;
    if (containerHasMembers_.back()) output_ += ',';
    containerHasMembers_.back() = true;
    newline(containerHasMembers_.size());
}

void JsonTextWriter::newline(std::size_t depth) {
    if (indent_ == 0) return;
    output_ += '\n';
    output_.append(depth * indent_, ' ');
}

void JsonTextWriter::escaped(std::string_view text) {
    output_ += '"';
    std::size_t index = 0;
    while (index < text.size()) {
        std::size_t runEnd = index;
        while (runEnd < text.size() && isPlain(static_cast<unsigned char>(text[runEnd]))) ++runEnd;
        output_.append(text.data() + index, runEnd - index);
        index = runEnd;
        if (index == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8Validator::characterLength(text.substr(index));
            if (length == 0) throw std::invalid_argument("Text is not valid UTF-8");
            output_.append(text.substr(index, length));
            index += length;
            continue;
        }
        const std::string_view escape = shortEscape(byte);
        if (escape.empty()) {
            appendControl(output_, byte);
        } else {
            output_ += escape;
        }
        ++index;
    }
    output_ += '"';
}

}  // namespace quorbit
