#include "ui/kit/SettingsNumberField.h"

#include <QLocale>
#include <QSignalBlocker>

#include "ui/kit/Typography.h"

namespace quorbit {
namespace {

QLocale groupingLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

SettingsNumberField::SettingsNumberField(QWidget* parent) : QLineEdit(parent) {
    setFont(Typography::font(TextStyle::body));
    setFixedWidth(100);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(format(value_));
    connect(this, &QLineEdit::editingFinished, this, &SettingsNumberField::finishEditing);
}

void SettingsNumberField::setValue(std::int64_t value) {
    value_ = value;
    const QString shown = format(value);
    // An entry being typed is left alone; it is reported, and replaced, when it is finished.
    if (text() == shown || isModified()) return;
    const QSignalBlocker blocker(this);
    setText(shown);
}

QString SettingsNumberField::format(std::int64_t value) { return groupingLocale().toString(qlonglong(value)); }

std::optional<std::int64_t> SettingsNumberField::parse(const QString& text) {
    const QLocale locale = groupingLocale();
    QString digits;
    for (const QChar c : text) {
        if (c.isSpace() || QString(c) == locale.groupSeparator()) continue;
        digits.append(c);
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return std::int64_t(value);
}

void SettingsNumberField::finishEditing() {
    // Leaving the field without typing, or the echo of our own update, is no entry.
    if (!isModified()) return;
    setModified(false);
    const std::optional<std::int64_t> entered = parse(text());
    if (!entered) {
        const QSignalBlocker blocker(this);
        setText(format(value_));
        return;
    }
    emit valueEntered(*entered);
    setValue(value_);  // grouped again when the stored value did not change
}

}  // namespace quorbit
