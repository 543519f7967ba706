#pragma once

#include <string>

#include "format/JsonError.h"

namespace quorbit {

// A value of the wrong JSON type, or a text that is no valid date, UUID or raw value.
class JsonTypeError : public JsonError {
public:
    explicit JsonTypeError(const std::string& message) : JsonError("[json.exception.type_error.302] " + message) {}
};

}  // namespace quorbit
