#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorbit {

// Writes JSON straight into a caller's buffer, without building a document first: a backup's
// payload is written once, its secrets land in one buffer the caller can wipe (the buffer is
// wiped whenever it grows), and large Base64 values are copied in runs. Keys are written in the order given. Compact
// without an indent; with one, laid out as the document library prints with that indent.
class JsonTextWriter {
public:
    explicit JsonTextWriter(std::string& output, int indent = 0);

    JsonTextWriter& beginObject();
    JsonTextWriter& endObject();
    JsonTextWriter& beginArray();
    JsonTextWriter& endArray();
    JsonTextWriter& key(std::string_view name);
    // Throws std::invalid_argument for malformed UTF-8, which no reader would take back.
    JsonTextWriter& string(std::string_view text);
    // Base64 needs no escaping, so the bytes are encoded straight into the output.
    JsonTextWriter& base64String(std::span<const std::uint8_t> bytes);
    JsonTextWriter& integer(std::int64_t value);
    JsonTextWriter& boolean(bool value);

private:
    JsonTextWriter& open(char bracket);
    JsonTextWriter& close(char bracket);
    void put(std::string_view text) {
        makeRoom(text.size());
        output_.append(text);
    }
    void put(char character) {
        makeRoom(1);
        output_.push_back(character);
    }
    void makeRoom(std::size_t extra) {
        if (output_.capacity() - output_.size() < extra) grow(extra);
    }
    void grow(std::size_t extra);
    void separate();
    void newline(std::size_t depth);
    void escaped(std::string_view text);
    void escapeEach(std::string_view text);

    std::string& output_;
    std::size_t indent_;
    std::vector<unsigned char> containerHasMembers_;  // bytes, not bits: it is read at every value
    bool afterKey_ = false;
};

}  // namespace quorbit
