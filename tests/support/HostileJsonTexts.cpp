#include "support/HostileJsonTexts.h"

#include <stdexcept>

namespace quorbit::test {
namespace {

// Puts `value` first into the first object (as an unknown member) or, with no object, the first array.
std::string withFirstMember(const std::string& valid, const std::string& value) {
    std::string text = valid;
    if (const auto brace = text.find('{'); brace != std::string::npos) {
        return text.insert(brace + 1, "\"unknownMember\": " + value + ", ");
    }
    const auto bracket = text.find('[');
    if (bracket == std::string::npos) throw std::invalid_argument("no object or array to put a member in");
    return text.insert(bracket + 1, value + ", ");
}

}  // namespace

std::vector<HostileText> hostileVariants(const std::string& valid, const std::string& integerMember) {
    std::vector<HostileText> variants{
        {"nested 40 deep", withFirstMember(valid, std::string(40, '[') + std::string(40, ']'))},
        {"NUL then garbage", valid + std::string(1, '\0') + "garbage}{"},
        {"trailing text", valid + "\n[]"},
        {"invalid UTF-8", withFirstMember(valid, "\"\xc3\x28\"")},
        {"integer beyond 64 bits", withFirstMember(valid, "18446744073709551616")},
        {"number beyond a double", withFirstMember(valid, "1e400")},
    };
    if (!integerMember.empty()) {
        std::string fraction = valid;
        const auto at = fraction.find(integerMember);
        if (at == std::string::npos) throw std::invalid_argument("the integer member is not in the text");
        variants.push_back({"fraction where an integer belongs", fraction.insert(at + integerMember.size(), ".5")});
    }
    return variants;
}

std::string withRepeatedFirstKey(const std::string& valid) {
    const auto brace = valid.find('{');
    const auto keyStart = valid.find('"', brace);
    const auto keyEnd = valid.find('"', keyStart + 1);
    if (brace == std::string::npos || keyStart == std::string::npos || keyEnd == std::string::npos) {
        throw std::invalid_argument("no object with a key");
    }
    std::string text = valid;
    return text.insert(brace + 1, valid.substr(keyStart, keyEnd - keyStart + 1) + ": [], ");
}

}  // namespace quorbit::test
