#pragma once

#include <string>
#include <string_view>

#include "format/JsonError.h"

namespace quorbit {

// A required member that the object does not hold.
class JsonMissingKeyError : public JsonError {
public:
    explicit JsonMissingKeyError(std::string_view key)
        : JsonError("[json.exception.out_of_range.403] key \"" + std::string(key) + "\" not found") {}
};

}  // namespace quorbit
