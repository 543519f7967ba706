#include "application/usecases/ImportOtpAuthText.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

#include "application/usecases/AccountIdentityIndex.h"
#include "application/usecases/AddToken.h"
#include "application/usecases/DuplicateAccountRule.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"

namespace quorbit {
namespace {

// U+0085, U+2028 and U+2029 in UTF-8; each line break ends a piece on its own.
constexpr std::array<std::string_view, 3> multiByteLineBreaks{"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"};

// A carriage return and line feed pair is one break, so that lines are numbered as editors show them.
std::size_t lineBreakLength(std::string_view text, std::size_t at) {
    if (text.substr(at).starts_with("\r\n")) return 2;
    if (text[at] >= '\n' && text[at] <= '\r') return 1;
    for (std::string_view lineBreak : multiByteLineBreaks) {
        if (text.substr(at).starts_with(lineBreak)) return lineBreak.size();
    }
    return 0;
}

struct NumberedLine {
    std::string_view text;  // a view into the text: the lines hold secrets, not to be copied
    std::size_t number;     // the first line is 1
};

std::vector<NumberedLine> nonBlankLines(std::string_view text) {
    std::vector<NumberedLine> lines;
    std::size_t start = 0;
    std::size_t number = 1;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t length = at < text.size() ? lineBreakLength(text, at) : 1;
        if (length == 0) {
            ++at;
            continue;
        }
        const std::string_view line = UnicodeText::trimmedView(text.substr(start, at - start));
        if (!line.empty()) lines.push_back({line, number});
        at += length;
        start = at;
        ++number;
    }
    return lines;
}

// Only the scheme is lower-cased: the rest of the line holds the secret.
bool isURILine(std::string_view line) {
    constexpr std::string_view scheme = "otpauth://";
    return UnicodeText::lowercased(line.substr(0, scheme.size())) == scheme;
}

template <typename Check>
auto atLine(std::size_t line, Check check) -> decltype(check()) {
    try {
        return check();
    } catch (const QuorbitError& error) {
        throw error.atLine(line);
    }
}

}  // namespace

ImportOtpAuthText::ImportOtpAuthText(TokenRepository& repository, SecretStore& secretStore,
                                     const OtpAuthParsing& parser, const Base32Decoding& decoder, const Clock& clock)
    : repository_(repository), secretStore_(secretStore), parser_(parser), decoder_(decoder), clock_(clock) {}

std::vector<OtpAccount> ImportOtpAuthText::execute(std::string_view text) const {
    return plan(text).storeAll(repository_, secretStore_);
}

PendingImport ImportOtpAuthText::plan(std::string_view text) const {
    const std::vector<Draft> drafts = parseDrafts(text);
    std::vector<std::string> keys = identityKeysWithoutDuplicates(drafts);
    const AddToken addToken(repository_, secretStore_, decoder_, clock_);
    std::vector<PendingImport::Entry> entries;
    entries.reserve(drafts.size());
    for (std::size_t n = 0; n < drafts.size(); ++n) {
        entries.push_back(
            atLine(drafts[n].line, [&] { return addToken.prepare(drafts[n].draft, std::move(keys[n])); }));
    }
    return PendingImport(std::move(entries), PendingImport::WhenTaken::fail);
}

std::vector<ImportOtpAuthText::Draft> ImportOtpAuthText::parseDrafts(std::string_view text) const {
    const std::vector<NumberedLine> lines = nonBlankLines(text);
    if (lines.empty()) throw QuorbitError(QuorbitError::Case::invalidTokenURI);
    for (const NumberedLine& line : lines) {
        if (!isURILine(line.text)) throw QuorbitError(QuorbitError::Case::invalidTokenURI).atLine(line.number);
    }
    std::vector<Draft> drafts;
    drafts.reserve(lines.size());
    for (const NumberedLine& line : lines) {
        drafts.push_back({atLine(line.number, [&] { return parser_.parse(line.text); }), line.number});
    }
    return drafts;
}

std::vector<std::string> ImportOtpAuthText::identityKeysWithoutDuplicates(const std::vector<Draft>& drafts) const {
    const AccountIdentityIndex stored(repository_.loadAccounts());
    std::vector<std::string> keys;
    keys.reserve(drafts.size());
    std::unordered_set<std::string_view> seen;  // views of `keys`, which never grows past its reserve
    seen.reserve(drafts.size());
    for (const Draft& draft : drafts) {
        const std::string& key = keys.emplace_back(DuplicateAccountRule::identityKey(
            UnicodeText::trimmedView(draft.draft.issuer), UnicodeText::trimmedView(draft.draft.accountName)));
        if (!seen.insert(key).second || stored.holdsIdentityKey(key)) {
            throw QuorbitError(QuorbitError::Case::duplicateAccount).atLine(draft.line);
        }
    }
    return keys;
}

}  // namespace quorbit
