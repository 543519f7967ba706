#pragma once

#include <cstdint>
#include <optional>

#include <QLineEdit>

namespace quorbit {

// A whole-number field 100 px wide that shows its value with the locale's digit grouping.
// The user's entry is reported when editing finishes (Return or leaving the field) and only
// when it was changed; text that is not a whole number puts the last value back.
class SettingsNumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit SettingsNumberField(QWidget* parent = nullptr);

    // The view's quiet update; the text changes only when it would read differently.
    void setValue(std::int64_t value);
    std::int64_t value() const { return value_; }

    static QString format(std::int64_t value);
    // Digits with or without the locale's group separators, and an optional minus sign.
    static std::optional<std::int64_t> parse(const QString& text);

signals:
    void valueEntered(std::int64_t value);

private:
    void finishEditing();

    std::int64_t value_ = 0;
};

}  // namespace quorbit
