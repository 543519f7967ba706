#include "format/JsonValue.h"

#include <limits>

namespace quorbit {

using simdjson::dom::element_type;

const char* JsonValue::typeName() const {
    switch (element_.type()) {
    case element_type::OBJECT: return "object";
    case element_type::ARRAY: return "array";
    case element_type::STRING: return "string";
    case element_type::INT64:
    case element_type::UINT64:
    case element_type::DOUBLE: return "number";
    case element_type::BOOL: return "boolean";
    case element_type::NULL_VALUE: return "null";
    }
    return "value";
}

std::optional<double> JsonValue::number() const {
    if (!element_.is_number()) return std::nullopt;
    return element_.get_double().value_unsafe();
}

std::size_t JsonValue::size() const {
    if (element_.is_array()) return element_.get_array().value_unsafe().size();
    if (element_.is_object()) return element_.get_object().value_unsafe().size();
    return 0;
}

}  // namespace quorbit
