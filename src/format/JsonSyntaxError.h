#pragma once

#include <cstddef>
#include <string>

#include "format/JsonError.h"

namespace quorbit {

// A text that is not one JSON value within the reader's limits; `byte` is where the fault was
// found, 0 when the parser does not say.
class JsonSyntaxError : public JsonError {
public:
    JsonSyntaxError(std::size_t byte, const std::string& reason)
        : JsonError("[json.exception.parse_error.101] parse error" +
                    (byte == 0 ? std::string() : " at byte " + std::to_string(byte)) + ": " + reason),
          byte_(byte) {}

    std::size_t byte() const noexcept { return byte_; }

private:
    std::size_t byte_;
};

}  // namespace quorbit
