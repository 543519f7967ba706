#include "domain/UnicodeText.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>

namespace quorbit {
namespace {

bool isWhitespaceOrNewline(UChar32 c) {
    if (c < 0) return false;                                    // an invalid sequence is content, not space
    if (c < 0x80) return c == ' ' || (c >= 0x09 && c <= 0x0D);  // the same answer, without the tables
    if ((c >= 0x09 && c <= 0x0D) || c == 0x85) return true;
    const auto category = u_charType(c);
    return u_isUWhiteSpace(c) || category == U_SPACE_SEPARATOR || category == U_LINE_SEPARATOR ||
           category == U_PARAGRAPH_SEPARATOR;
}

icu::UnicodeString fromUtf8(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string toUtf8(const icu::UnicodeString& text) {
    std::string result;
    text.toUTF8String(result);
    return result;
}

// Collators are costly to open and not thread-safe to share, so each thread keeps one for
// the default locale it was made for.
class CachedCollator {
public:
    icu::Collator* forDefaultLocale() {
        const char* name = icu::Locale::getDefault().getName();
        if (!collator_ || localeName_ != name) {
            UErrorCode status = U_ZERO_ERROR;
            collator_.reset(icu::Collator::createInstance(icu::Locale::getDefault(), status));
            if (U_FAILURE(status)) collator_.reset();
            if (collator_) collator_->setStrength(icu::Collator::SECONDARY);
            localeName_ = name;
        }
        return collator_.get();
    }

private:
    std::unique_ptr<icu::Collator> collator_;
    std::string localeName_;
};

int sign(int value) { return (value > 0) - (value < 0); }

bool isBidiControl(UChar32 c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

bool isRightToLeft(UChar32 c) {
    const UCharDirection direction = u_charDirection(c);
    return direction == U_RIGHT_TO_LEFT || direction == U_RIGHT_TO_LEFT_ARABIC;
}

void appendUtf8(std::string& out, UChar32 c) {
    char bytes[U8_MAX_LENGTH];
    int32_t length = 0;
    UBool failed = false;
    U8_APPEND(bytes, length, U8_MAX_LENGTH, c, failed);
    if (!failed) out.append(bytes, static_cast<std::size_t>(length));
}

icu::Collator* defaultLocaleCollator() {
    thread_local CachedCollator cache;
    return cache.forDefaultLocale();
}

}  // namespace

std::string UnicodeText::trimmed(std::string_view text) { return std::string(trimmedView(text)); }

std::string_view UnicodeText::trimmedView(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t begin = 0;
    while (begin < length) {
        int32_t next = begin;
        UChar32 c;
        U8_NEXT(bytes, next, length, c);
        if (!isWhitespaceOrNewline(c)) break;
        begin = next;
    }
    int32_t end = length;
    while (end > begin) {
        int32_t previous = end;
        UChar32 c;
        U8_PREV(bytes, begin, previous, c);
        if (!isWhitespaceOrNewline(c)) break;
        end = previous;
    }
    return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

bool UnicodeText::canonicallyEquals(std::string_view a, std::string_view b) {
    if (a == b) return true;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::UnicodeString left = U_SUCCESS(status) ? nfc->normalize(fromUtf8(a), status) : icu::UnicodeString();
    const icu::UnicodeString right = U_SUCCESS(status) ? nfc->normalize(fromUtf8(b), status) : icu::UnicodeString();
    return U_SUCCESS(status) && left == right;
}

// ASCII text, the usual case for issuers and tags, needs no trip through UTF-16.
std::string UnicodeText::lowercased(std::string_view text) {
    if (std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string lower(text);
        for (char& c : lower) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return lower;
    }
    return toUtf8(fromUtf8(text).toLower(icu::Locale::getRoot()));
}

std::string UnicodeText::uppercased(std::string_view text) {
    return toUtf8(fromUtf8(text).toUpper(icu::Locale::getRoot()));
}

bool UnicodeText::caseInsensitiveEquals(std::string_view a, std::string_view b) {
    return fromUtf8(a).caseCompare(fromUtf8(b), U_FOLD_CASE_DEFAULT) == 0;
}

std::string UnicodeText::caseFolded(std::string_view text) {
    if (std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return lowercased(text);
    return toUtf8(fromUtf8(text).foldCase(U_FOLD_CASE_DEFAULT));
}

int UnicodeText::localizedCaseInsensitiveCompare(std::string_view a, std::string_view b) {
    icu::Collator* collator = defaultLocaleCollator();
    if (!collator) return sign(fromUtf8(a).caseCompare(fromUtf8(b), U_FOLD_CASE_DEFAULT));
    UErrorCode status = U_ZERO_ERROR;
    const auto order = collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                             icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    return U_FAILURE(status) ? sign(a.compare(b)) : static_cast<int>(order);
}

std::string UnicodeText::collationKey(std::string_view text) {
    icu::Collator* collator = defaultLocaleCollator();
    if (!collator) return caseFolded(text);
    const icu::UnicodeString unicode = fromUtf8(text);
    std::string key(static_cast<std::size_t>(unicode.length()) * 3 + 16, '\0');
    for (;;) {
        const int32_t size =
            collator->getSortKey(unicode, reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
        if (size <= 0) return caseFolded(text);
        if (static_cast<std::size_t>(size) <= key.size()) {
            key.resize(static_cast<std::size_t>(size) - 1);  // without ICU's terminating zero
            return key;
        }
        key.resize(static_cast<std::size_t>(size));
    }
}

std::string UnicodeText::collationLocale() { return icu::Locale::getDefault().getName(); }

bool UnicodeText::containsCaseInsensitive(std::string_view haystack, std::string_view needle) {
    return lowercased(haystack).find(lowercased(needle)) != std::string::npos;
}

// Removing the controls rather than showing them as marks keeps right-to-left names that
// needed none readable, and leaves every character in its stored order under the plain
// bidirectional algorithm, where nothing can pose as something else.
std::string UnicodeText::isolatedForDisplay(std::string_view text) {
    if (std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::string(text);
    }
    std::string shown;
    shown.reserve(text.size());
    bool rightToLeft = false;
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(text.data(), at, length, c);
        if (c < 0) c = 0xFFFD;
        if (isBidiControl(c)) continue;
        rightToLeft = rightToLeft || isRightToLeft(c);
        appendUtf8(shown, c);
    }
    return rightToLeft ? "\u2068" + shown + "\u2069" : shown;
}

}  // namespace quorbit
