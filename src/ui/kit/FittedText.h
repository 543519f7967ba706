#pragma once

#include <QFont>
#include <QString>

namespace quorbit {

// One line of text made to fit a width: the font shrinks by whole pixels down to
// `minimumScale` of its size, and what still does not fit is elided at the end.
struct FittedText {
    QFont font;
    QString text;

    static FittedText fit(const QString& text, const QFont& font, qreal width, qreal minimumScale);
};

}  // namespace quorbit
