#pragma once

#include <QPushButton>
#include <QString>

namespace quorbit {

// A push button with a label and one of our symbols, tinted like its text; a destructive one
// is drawn in red. The colours follow theme changes.
class SymbolButton : public QPushButton {
    Q_OBJECT
public:
    enum class Role { plain, destructive };

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
