#include "domain/AccountFilterSelection.h"

#include "domain/UnicodeText.h"

namespace quorbit {

std::string_view AccountFilterSelection::caseName(Case filterCase) {
    for (const auto& [candidate, name] : caseNames) {
        if (candidate == filterCase) return name;
    }
    return {};
}

std::string AccountFilterSelection::id() const {
    if (case_ == Case::tag) return "tag:" + UnicodeText::lowercased(tag_);
    return "system:" + std::string(caseName(case_));
}

}  // namespace quorbit
