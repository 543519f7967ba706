#pragma once

#include <nlohmann/json.hpp>

#include "format/JsonReader.h"

namespace quorbit::test {

// A record decoded from the text of a document, the way a store reads a file: tests build
// documents to change one member at a time.
template <typename T>
T decodeDocument(const nlohmann::json& document) {
    return JsonReader().decode<T>(document.dump());
}

}  // namespace quorbit::test
