#include "application/settings/CodeFormat.h"

namespace quorbit {

std::string_view rawValue(CodeFormat codeFormat) { return codeFormat == CodeFormat::grouped ? "grouped" : "plain"; }

std::string title(CodeFormat codeFormat, AppLanguage) {
    return codeFormat == CodeFormat::grouped ? "123 456" : "123456";
}

std::string format(CodeFormat codeFormat, const std::optional<std::string>& code) {
    if (!code) return codeFormat == CodeFormat::grouped ? "--- ---" : "------";
    if (codeFormat == CodeFormat::plain) return *code;
    if (code->size() == 6) return code->substr(0, 3) + " " + code->substr(3);
    if (code->size() == 8) return code->substr(0, 4) + " " + code->substr(4);
    return *code;
}

}  // namespace quorbit
