#pragma once

#include <QWidget>

namespace quorbit {

class StyledLabel;

// The title and subtitle at the top of a settings page.
class SettingsHeader : public QWidget {
    Q_OBJECT
public:
    explicit SettingsHeader(QWidget* parent = nullptr);

    void setTexts(const QString& title, const QString& subtitle);
    QString title() const;

private:
    StyledLabel* title_;
    StyledLabel* subtitle_;
};

}  // namespace quorbit
