#include "lib/OtpAuthURIParser.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "domain/QuorbitError.h"
#include "domain/UnicodeText.h"
#include "lib/PercentEncoding.h"
#include "lib/UriComponents.h"

namespace quorbit {
namespace {

using QueryItems = std::vector<UriComponents::QueryItem>;

// Characters a URL path carries unescaped, less "/": the reader strips slashes around the label.
constexpr std::string_view labelPunctuation = "!$&'()*+,-.:=@_~";
// Query characters minus the separators "&", "=" and "#", and "+", which many readers take
// for a blank.
constexpr std::string_view queryPunctuation = "!$'()*,-./:;?@_~";

[[noreturn]] void failInvalidURI() { throw QuorbitError(QuorbitError::Case::invalidTokenURI); }

const UriComponents::QueryItem* firstItem(const QueryItems& items, std::string_view name) {
    const auto found = std::find_if(items.begin(), items.end(), [name](const UriComponents::QueryItem& item) {
        return UnicodeText::lowercased(item.name) == name;
    });
    return found == items.end() ? nullptr : &*found;
}

std::optional<std::string_view> firstValue(const QueryItems& items, std::string_view name) {
    const UriComponents::QueryItem* item = firstItem(items, name);
    return item && item->value ? std::optional(item->value->asText()) : std::nullopt;
}

std::optional<std::int64_t> signedDecimal(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    if (text.starts_with('+')) return std::nullopt;
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

std::optional<std::int64_t> parseInt(const QueryItems& items, std::string_view name) {
    const std::optional<std::string_view> value = firstValue(items, name);
    if (!value || value->empty()) return std::nullopt;
    return signedDecimal(*value);
}

OtpAlgorithm parseAlgorithm(const QueryItems& items) {
    const std::optional<std::string_view> value = firstValue(items, "algorithm");
    if (!value) return OtpAlgorithm::sha1;
    const std::string name = UnicodeText::uppercased(*value);
    if (name == "SHA256") return OtpAlgorithm::sha256;
    if (name == "SHA512") return OtpAlgorithm::sha512;
    return OtpAlgorithm::sha1;
}

// The draft keeps the period as `int`; out-of-range values keep their sign.
int clampedToInt(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Pieces of the label before and after its first ":", empty pieces dropped.
std::vector<std::string> labelPieces(std::string_view percentEncodedPath) {
    const std::size_t first = percentEncodedPath.find_first_not_of('/');
    if (first == std::string_view::npos) return {};
    const std::size_t last = percentEncodedPath.find_last_not_of('/');
    const std::string label = PercentEncoding::decode(percentEncodedPath.substr(first, last - first + 1)).value_or("");
    const std::size_t colon = label.find(':');
    std::vector<std::string> pieces;
    const auto keepNonEmpty = [&pieces](std::string piece) {
        if (!piece.empty()) pieces.push_back(std::move(piece));
    };
    keepNonEmpty(label.substr(0, colon));
    if (colon != std::string::npos) keepNonEmpty(label.substr(colon + 1));
    return pieces;
}

void fillNames(TokenDraft& draft, const std::vector<std::string>& pieces, const QueryItems& items) {
    const std::optional<std::string_view> issuerValue = firstValue(items, "issuer");
    const std::optional<std::string> queryIssuer = issuerValue ? std::optional(UnicodeText::trimmed(*issuerValue))
                                                               : std::nullopt;
    if (pieces.size() == 2) {
        draft.accountName = pieces[1];
        draft.issuer = queryIssuer && !queryIssuer->empty() ? *queryIssuer : pieces[0];
        return;
    }
    draft.accountName = pieces.empty() ? "" : pieces[0];
    draft.issuer = queryIssuer.value_or("");
}

void fillNumbers(TokenDraft& draft, const QueryItems& items) {
    const std::int64_t digits = parseInt(items, "digits").value_or(6);
    if (digits < 6 || digits > 8) failInvalidURI();
    draft.digits = static_cast<int>(digits);
    draft.algorithm = parseAlgorithm(items);
    draft.period = clampedToInt(parseInt(items, "period").value_or(30));
    draft.hotpCounter = std::max<std::int64_t>(parseInt(items, "counter").value_or(0), 0);
}

// A label the reader splits back into the same names. It splits at the first ":" and prefers the
// issuer parameter, so a name with a ":" and no issuer, or an issuer with a ":", gets an empty
// prefix; an empty name gets no label, since a lone label piece is read as the name.
std::string labelOf(const OtpAccount& account) {
    const std::string& issuer = account.issuer;
    const std::string& name = account.accountName;
    if (name.empty()) return "";
    if (issuer.empty()) return name.find(':') == std::string::npos ? name : ":" + name;
    if (issuer.find(':') != std::string::npos) return ":" + name;
    return issuer + ":" + name;
}

void appendQueryItem(SecretBytes& uri, char separator, std::string_view name, std::string_view value) {
    uri.push_back(static_cast<std::uint8_t>(separator));
    PercentEncoding::appendEncoded(name, queryPunctuation, uri);
    uri.push_back('=');
    PercentEncoding::appendEncoded(value, queryPunctuation, uri);
}

}  // namespace

OtpAuthURIParser::OtpAuthURIParser(std::set<std::string> allowedTypes) : allowedTypes_(std::move(allowedTypes)) {}

TokenDraft OtpAuthURIParser::parse(std::string_view text) const {
    const std::optional<UriComponents> uri = UriComponents::parse(UnicodeText::trimmedView(text));
    if (!uri || UnicodeText::lowercased(uri->scheme) != "otpauth" || !uri->host) failInvalidURI();
    const std::string type = UnicodeText::lowercased(*uri->host);
    if (!allowedTypes_.contains(type) || !uri->queryItems || uri->queryItems->empty()) failInvalidURI();
    const QueryItems& items = *uri->queryItems;
    const UriComponents::QueryItem* secret = firstItem(items, "secret");
    if (!secret || !secret->value || secret->value->empty()) failInvalidURI();

    TokenDraft draft;
    draft.type = type == "hotp" ? OtpType::hotp : OtpType::totp;
    draft.secretBase32 = *secret->value;
    fillNames(draft, labelPieces(uri->percentEncodedPath), items);
    fillNumbers(draft, items);
    return draft;
}

SecretBytes OtpAuthURIParser::makeURI(const OtpAccount& account, std::string_view secretBase32) const {
    const bool hotp = account.type == OtpType::hotp;
    SecretBytes uri = SecretBytes::fromText(hotp ? "otpauth://hotp/" : "otpauth://totp/");
    PercentEncoding::appendEncoded(labelOf(account), labelPunctuation, uri);
    appendQueryItem(uri, '?', "secret", secretBase32);
    appendQueryItem(uri, '&', "issuer", account.issuer);
    appendQueryItem(uri, '&', "algorithm", rawValue(account.algorithm));
    appendQueryItem(uri, '&', "digits", std::to_string(account.digits));
    if (hotp) {
        appendQueryItem(uri, '&', "counter", std::to_string(account.hotpCounter));
    } else {
        appendQueryItem(uri, '&', "period", std::to_string(account.period));
    }
    return uri;
}

}  // namespace quorbit
