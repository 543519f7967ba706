#pragma once

#include <QWidget>

class QLabel;

namespace quorbit {

class StyledLabel;

// A warning line: the "exclamationmark.triangle" symbol and a wrapping caption, in orange.
class WarningLabel : public QWidget {
    Q_OBJECT
public:
    explicit WarningLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void paintSymbol();

    QLabel* symbol_;
    StyledLabel* text_;
};

}  // namespace quorbit
