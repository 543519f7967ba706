#pragma once

#include <QCheckBox>

namespace quorbit {

// A settings toggle: a check box with its label. `setValue` is the view's quiet update;
// `toggledByUser` comes from clicks and keys only.
class SettingsToggleRow : public QCheckBox {
    Q_OBJECT
public:
    explicit SettingsToggleRow(QWidget* parent = nullptr);

    void setValue(bool checked);
    // Escapes '&' so the text shows as written.
    void setLabel(const QString& text);

signals:
    void toggledByUser(bool checked);
};

}  // namespace quorbit
