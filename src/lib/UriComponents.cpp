#include "lib/UriComponents.h"

#include <algorithm>

#include "lib/PercentEncoding.h"

namespace quorbit {
namespace {

bool isAsciiLetter(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) noexcept { return c >= '0' && c <= '9'; }
bool isControl(char c) noexcept { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

bool isScheme(std::string_view text) noexcept {
    if (text.empty() || !isAsciiLetter(text[0])) return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '+' || c == '-' || c == '.'; });
}

// Cuts `text` at the first of `delimiters` and returns the part before it.
std::string_view takeUntil(std::string_view& text, std::string_view delimiters) {
    const std::size_t end = std::min(text.find_first_of(delimiters), text.size());
    const std::string_view head = text.substr(0, end);
    text.remove_prefix(end);
    return head;
}

// Host of an authority "[userinfo@]host[:port]"; no value when the port is not decimal.
std::optional<std::string> hostOfAuthority(std::string_view authority) {
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    if (const std::size_t colon = authority.rfind(':'); colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        if (!std::all_of(port.begin(), port.end(), isAsciiDigit)) return std::nullopt;
        authority = authority.substr(0, colon);
    }
    return PercentEncoding::decode(authority);
}

UriComponents::QueryItem queryItem(std::string_view text) {
    const std::size_t equals = text.find('=');
    const std::string_view name = text.substr(0, equals);
    UriComponents::QueryItem item{PercentEncoding::decode(name).value_or(std::string(name)), std::nullopt};
    if (equals != std::string_view::npos) item.value = PercentEncoding::decodeSecret(text.substr(equals + 1));
    return item;
}

std::vector<UriComponents::QueryItem> splitQuery(std::string_view query) {
    std::vector<UriComponents::QueryItem> items;
    if (query.empty()) return items;
    while (true) {
        items.push_back(queryItem(takeUntil(query, "&")));
        if (query.empty()) return items;
        query.remove_prefix(1);
    }
}

}  // namespace

std::optional<UriComponents> UriComponents::parse(std::string_view text) {
    if (text.size() > maxLength || std::any_of(text.begin(), text.end(), isControl)) return std::nullopt;
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || !isScheme(text.substr(0, colon))) return std::nullopt;

    UriComponents components;
    components.scheme = std::string(text.substr(0, colon));
    std::string_view rest = text.substr(colon + 1);
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        components.host = hostOfAuthority(takeUntil(rest, "/?#"));
        if (!components.host) return std::nullopt;
    }
    components.percentEncodedPath = std::string(takeUntil(rest, "?#"));
    if (rest.starts_with('?')) {
        rest.remove_prefix(1);
        components.queryItems = splitQuery(takeUntil(rest, "#"));
    }
    return components;
}

}  // namespace quorbit
