#include "application/usecases/ImportOtpAuthText.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "application/usecases/AddToken.h"
#include "application/usecases/DuplicateAccountRule.h"
#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"

namespace quorbit {
namespace {

// U+0085, U+2028 and U+2029 in UTF-8; each line break ends a piece on its own.
constexpr std::array<std::string_view, 3> multiByteLineBreaks{"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"};

std::size_t lineBreakLength(std::string_view text, std::size_t at) {
    if (text[at] >= '\n' && text[at] <= '\r') return 1;
    for (std::string_view lineBreak : multiByteLineBreaks) {
        if (text.substr(at).starts_with(lineBreak)) return lineBreak.size();
    }
    return 0;
}

// Views into the text: the lines hold secrets, which must not be copied into plain strings.
std::vector<std::string_view> nonBlankLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t length = at < text.size() ? lineBreakLength(text, at) : 1;
        if (length == 0) {
            ++at;
            continue;
        }
        const std::string_view line = UnicodeText::trimmedView(text.substr(start, at - start));
        if (!line.empty()) lines.push_back(line);
        at += length;
        start = at;
    }
    return lines;
}

// Only the scheme is lower-cased: the rest of the line holds the secret.
bool isURILine(std::string_view line) {
    constexpr std::string_view scheme = "otpauth://";
    return UnicodeText::lowercased(line.substr(0, scheme.size())) == scheme;
}

std::string duplicateKey(const TokenDraft& draft) {
    return DuplicateAccountRule::identityKey(UnicodeText::trimmed(draft.issuer), UnicodeText::trimmed(draft.accountName));
}

}  // namespace

ImportOtpAuthText::ImportOtpAuthText(TokenRepository& repository, SecretStore& secretStore,
                                     const OtpAuthParsing& parser, const Base32Decoding& decoder, const Clock& clock)
    : repository_(repository), secretStore_(secretStore), parser_(parser), decoder_(decoder), clock_(clock) {}

std::vector<OtpAccount> ImportOtpAuthText::execute(std::string_view text) const {
    const std::vector<TokenDraft> drafts = parseDrafts(text);
    validateNoDuplicates(drafts);
    const AddToken addToken(repository_, secretStore_, decoder_, clock_);
    std::vector<OtpAccount> added;
    for (const TokenDraft& draft : drafts) added.push_back(addToken.execute(draft));
    return added;
}

std::vector<TokenDraft> ImportOtpAuthText::parseDrafts(std::string_view text) const {
    const std::vector<std::string_view> lines = nonBlankLines(text);
    if (lines.empty() || !std::ranges::all_of(lines, isURILine)) throw QuorbitError(QuorbitError::Case::invalidTokenURI);
    std::vector<TokenDraft> drafts;
    for (const std::string_view line : lines) drafts.push_back(parser_.parse(line));
    return drafts;
}

void ImportOtpAuthText::validateNoDuplicates(const std::vector<TokenDraft>& drafts) const {
    const std::vector<OtpAccount> stored = repository_.loadAccounts();
    std::set<std::string> keys;
    for (const TokenDraft& draft : drafts) {
        const bool repeatsEarlierLine = !keys.insert(duplicateKey(draft)).second;
        if (repeatsEarlierLine || DuplicateAccountRule::matchesAccountOutsideTrash(
                                      stored, UnicodeText::trimmed(draft.issuer), UnicodeText::trimmed(draft.accountName))) {
            throw QuorbitError(QuorbitError::Case::duplicateAccount);
        }
    }
}

}  // namespace quorbit
