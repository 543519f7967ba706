#pragma once

#include <QLabel>

#include "ui/kit/Typography.h"

namespace quorbit {

// Plain text in one of the text styles and colour tones. The tone is worked out from the
// surrounding palette and again whenever that changes, so a theme switch reaches it.
class StyledLabel : public QLabel {
    Q_OBJECT
public:
    enum class Tone { primary, secondary, orange, red };

    StyledLabel(TextStyle style, Tone tone, QWidget* parent = nullptr);

    // Sets the text only when it differs, so an unchanged refresh does not relayout.
    void setTextIfChanged(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyTone();

    Tone tone_;
};

}  // namespace quorbit
