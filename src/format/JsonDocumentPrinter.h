#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

namespace quorbit {

// The text of a document built from the records' to_json forms. A document the library
// cannot print (a text that is not UTF-8) throws JsonError with the library's own message.
class JsonDocumentPrinter {
public:
    JsonDocumentPrinter() = delete;

    // Compact without an indent; keys sorted, as the library's objects keep them.
    static std::string print(const nlohmann::json& document, int indent = -1);
};

}  // namespace quorbit
