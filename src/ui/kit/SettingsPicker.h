#pragma once

#include <optional>
#include <string>

#include <QStringList>
#include <QWidget>

#include "application/settings/SettingsOption.h"

class QComboBox;

namespace quorbit {

class SegmentedControl;
class StyledLabel;

enum class SettingsPickerStyle { segmented, menu };

// The titles of every case of T in `language`, in picker order.
template <SettingsOption T>
QStringList settingsOptionTitles(AppLanguage language) {
    QStringList titles;
    for (const T& option : allCases<T>()) titles.append(QString::fromStdString(title(option, language)));
    return titles;
}

// A labelled choice among the cases of a settings option: segments, or a pop-up menu 280 px
// wide. The title stands above it when shown and is its accessible name either way.
// Updates from the view are quiet; `activated` reports the user's choices only. A value that
// is not among the options selects nothing.
class SettingsPicker : public QWidget {
    Q_OBJECT
public:
    static constexpr int maximumMenuWidth = 280;

    SettingsPicker(SettingsPickerStyle style, bool showsTitle, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return title_; }
    // Keeps the selected position.
    void setOptionTitles(const QStringList& titles);
    QStringList optionTitles() const { return titles_; }
    // -1 selects nothing.
    void setCurrentIndex(int index);
    int currentIndex() const;
    SettingsPickerStyle style() const { return style_; }

    // Every case of T, titled in `language`.
    template <SettingsOption T>
    void setOptions(AppLanguage language) {
        setOptionTitles(settingsOptionTitles<T>(language));
    }
    template <SettingsOption T>
    void setSelection(const T& value) {
        const auto& cases = allCases<T>();
        for (std::size_t i = 0; i < cases.size(); ++i) {
            if (cases[i] == value) return setCurrentIndex(int(i));
        }
        setCurrentIndex(-1);
    }
    // The case at a position that `activated` reported; none outside the list.
    template <SettingsOption T>
    static std::optional<T> option(int index) {
        const auto& cases = allCases<T>();
        if (index < 0 || std::size_t(index) >= cases.size()) return std::nullopt;
        return cases[std::size_t(index)];
    }

signals:
    void activated(int index);

private:
    SettingsPickerStyle style_;
    QString title_;
    QStringList titles_;
    StyledLabel* titleLabel_ = nullptr;
    SegmentedControl* segments_ = nullptr;
    QComboBox* menu_ = nullptr;
};

}  // namespace quorbit
