#pragma once

#include <string>
#include <string_view>

namespace quorbit {

// The core's one home of Unicode rules, on ICU. Input is UTF-8; invalid sequences never
// crash: they are kept by trimmed() and read as U+FFFD by the other functions.
class UnicodeText {
public:
    UnicodeText() = delete;

    // Strips leading and trailing white space and line breaks: Unicode White_Space and
    // separators (Zs, Zl, Zp), U+0009 to U+000D and U+0085.
    static std::string trimmed(std::string_view text);
    static std::string_view trimmedView(std::string_view text);  // the same, without a copy

    // Default full case mappings, independent of the locale ("ß" upper-cases to "SS").
    static std::string lowercased(std::string_view text);
    static std::string uppercased(std::string_view text);

    // Equality of canonically equivalent texts (composed and decomposed accents are equal),
    // case-sensitive.
    static bool canonicallyEquals(std::string_view a, std::string_view b);

    // Locale-independent comparison under full case folding ("Straße" equals "STRASSE").
    static bool caseInsensitiveEquals(std::string_view a, std::string_view b);

    // The full default case folding, the key form of caseInsensitiveEquals: two texts are
    // case-insensitively equal exactly when their folded texts are equal.
    static std::string caseFolded(std::string_view text);

    // Collation of the current (ICU default) locale, ignoring letter case but not accents.
    // Negative, zero or positive like strcmp. The collator is cached per thread.
    static int localizedCaseInsensitiveCompare(std::string_view a, std::string_view b);

    // Bytes whose plain ordering (std::string's) is that of localizedCaseInsensitiveCompare,
    // made once per text so that each comparison of a sort compares bytes. Keys made under one
    // collationLocale() do not compare with keys made under another.
    static std::string collationKey(std::string_view text);
    static std::string collationLocale();

    // Plain containment after lower-casing both sides; an empty needle is always contained.
    static bool containsCaseInsensitive(std::string_view haystack, std::string_view needle);

    // User text (an account's issuer or name) as it may be shown: without the explicit
    // bidirectional controls (embeddings, overrides, isolates, directional marks), which could
    // make it read as something else ("Bank\u202Egnp.exe" as "Bankexe.png"), and, when it holds
    // right-to-left letters, wrapped in FSI ... PDI so that it cannot reorder the text around it.
    // Stored text is never changed: this is for display only.
    static std::string isolatedForDisplay(std::string_view text);
};

}  // namespace quorbit
