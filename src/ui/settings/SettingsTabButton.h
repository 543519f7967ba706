#pragma once

#include <QToolButton>

namespace quorbit {

// One tab of the settings window's tab bar: a symbol above a short label; the chosen tab is
// drawn in the accent colour on a faint rounded backdrop.
class SettingsTabButton : public QToolButton {
    Q_OBJECT
public:
    SettingsTabButton(QString symbol, QWidget* parent = nullptr);

    void setLabel(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int symbolSide = 22;

    QString symbol_;
    QString label_;
};

}  // namespace quorbit
