#include "format/JsonDocumentPrinter.h"

#include <nlohmann/json.hpp>

#include "format/JsonError.h"

namespace quorbit {

std::string JsonDocumentPrinter::print(const nlohmann::json& document, int indent) {
    try {
        return document.dump(indent);
    } catch (const nlohmann::json::exception& error) {
        throw JsonError(error.what());
    }
}

}  // namespace quorbit
