#pragma once

#include <QLabel>

namespace quorbit {

// Text shown as written (never as rich text) in the given font; its colour is the palette's, so
// a tone or colour set on it afterwards is kept.
class PlainLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(const QFont& font, const QString& text = {}, QWidget* parent = nullptr);
};

}  // namespace quorbit
