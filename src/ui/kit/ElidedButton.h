#pragma once

#include <QPushButton>

namespace quorbit {

// A push button whose label, when the button is narrower than it asks, ends in "…" instead of
// being cut at both ends. The label is plain text: an ampersand is shown, not a mnemonic. Its
// size hint is that of the whole label; the tooltip carries it whole.
class ElidedButton : public QPushButton {
    Q_OBJECT
public:
    explicit ElidedButton(const QString& label = {}, QWidget* parent = nullptr);

    void setLabel(const QString& label);
    const QString& label() const noexcept { return label_; }
    // The label as drawn at the current width.
    QString shownLabel() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString label_;
};

}  // namespace quorbit
