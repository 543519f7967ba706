#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include <simdjson.h>

namespace quorbit {

// One value of a document read by JsonReader. It refers into the reader's buffers and is
// valid until that reader reads its next text. The accessors records read most are inline:
// a store reads them hundreds of thousands of times.
class JsonValue {
public:
    JsonValue() = default;  // refers to no document: a place to store one in
    explicit JsonValue(simdjson::dom::element element) : element_(element) {}

    bool isNull() const { return element_.is_null(); }
    bool isObject() const { return element_.is_object(); }
    bool isArray() const { return element_.is_array(); }
    const char* typeName() const;

    // Integers only: a number written with a fraction or an exponent, or one beyond the
    // signed 64-bit range, gives no value.
    std::optional<std::int64_t> integer() const {
        // UINT64 holds only values beyond the signed range
        if (element_.type() != simdjson::dom::element_type::INT64) return std::nullopt;
        return element_.get_int64().value_unsafe();
    }
    std::optional<double> number() const;  // any number
    std::optional<bool> boolean() const {
        if (!element_.is_bool()) return std::nullopt;
        return element_.get_bool().value_unsafe();
    }
    std::optional<std::string_view> string() const {
        if (!element_.is_string()) return std::nullopt;
        return element_.get_string().value_unsafe();
    }

    // Elements and members in the order of the text; arrays and objects only.
    std::size_t size() const;
    template <typename Visit>
    void forEachElement(Visit visit) const {
        const simdjson::dom::array array = element_.get_array().value_unsafe();
        for (simdjson::dom::element element : array) visit(JsonValue(element));
    }
    template <typename Visit>
    void forEachMember(Visit visit) const {
        const simdjson::dom::object object = element_.get_object().value_unsafe();
        for (simdjson::dom::key_value_pair member : object) {
            visit(member.key, JsonValue(member.value));
        }
    }

private:
    simdjson::dom::element element_;
};

}  // namespace quorbit
