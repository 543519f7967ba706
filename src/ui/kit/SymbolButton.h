#pragma once

#include <QPushButton>
#include <QString>

namespace quorbit {

// A push button with a label and one of our symbols (none for an empty name), tinted like its
// text. Prominent is the one main action of a group (accent fill); destructive is drawn in
// red. The colours follow theme changes.
class SymbolButton : public QPushButton {
    Q_OBJECT
public:
    enum class Role { plain, prominent, destructive };

    SymbolButton(QString symbol, Role role = Role::plain, QWidget* parent = nullptr);

    // Escapes '&' so the text shows as written.
    void setLabel(const QString& text);
    // Fusion's own, with room around the label as on a bordered button.
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    QString symbol_;
    Role role_;
};

}  // namespace quorbit
