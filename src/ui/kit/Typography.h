#pragma once

#include <QFont>

namespace quorbit {

// The text styles of the views, each a pixel size on the application's font.
enum class TextStyle {
    largeTitle,
    title,
    title2,
    title3,
    headline,
    body,
    callout,
    subheadline,
    footnote,
    caption,
    caption2
};

class Typography {
public:
    static int pixelSize(TextStyle style);
    // The style's own weight unless one is given (headline is bold, the rest normal).
    static QFont font(TextStyle style);
    static QFont font(TextStyle style, QFont::Weight weight);
    static QFont system(int pixelSize, QFont::Weight weight = QFont::Normal);
    // Fixed-pitch digits for codes.
    static QFont monospaced(TextStyle style, QFont::Weight weight = QFont::Normal);
    // Small numerals of the ring and badge; we have no rounded face, so it is the system one.
    static QFont rounded(int pixelSize, QFont::Weight weight);
};

}  // namespace quorbit
