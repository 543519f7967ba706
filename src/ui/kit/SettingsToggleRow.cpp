#include "ui/kit/SettingsToggleRow.h"

#include <QSignalBlocker>

#include "ui/kit/Typography.h"

namespace quorbit {

SettingsToggleRow::SettingsToggleRow(QWidget* parent) : QCheckBox(parent) {
    setFont(Typography::font(TextStyle::body));
    connect(this, &QCheckBox::clicked, this, &SettingsToggleRow::toggledByUser);
}

void SettingsToggleRow::setValue(bool checked) {
    if (isChecked() == checked) return;
    const QSignalBlocker blocker(this);
    setChecked(checked);
}

void SettingsToggleRow::setLabel(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (QCheckBox::text() != escaped) setText(escaped);
}

}  // namespace quorbit
