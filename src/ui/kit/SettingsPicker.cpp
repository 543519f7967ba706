#include "ui/kit/SettingsPicker.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/kit/SegmentedControl.h"
#include "ui/kit/StyledLabel.h"

namespace quorbit {

SettingsPicker::SettingsPicker(SettingsPickerStyle style, bool showsTitle, QWidget* parent)
    : QWidget(parent), style_(style) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    if (showsTitle) {
        titleLabel_ = new StyledLabel(TextStyle::headline, StyledLabel::Tone::primary);
        layout->addWidget(titleLabel_);
    }
    if (style == SettingsPickerStyle::segmented) {
        segments_ = new SegmentedControl;
        layout->addWidget(segments_);
        connect(segments_, &SegmentedControl::activated, this, &SettingsPicker::activated);
    } else {
        menu_ = new QComboBox;
        // As wide as allowed, whatever the titles: a long one is elided rather than widening it.
        menu_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        menu_->setMinimumContentsLength(8);
        menu_->setFixedWidth(maximumMenuWidth);
        layout->addWidget(menu_, 0, Qt::AlignLeft);
        connect(menu_, &QComboBox::activated, this, &SettingsPicker::activated);
    }
}

void SettingsPicker::setTitle(const QString& title) {
    if (title_ == title) return;
    title_ = title;
    if (titleLabel_) titleLabel_->setText(title);
    if (segments_) segments_->setAccessibleName(title);
    if (menu_) menu_->setAccessibleName(title);
}

void SettingsPicker::setOptionTitles(const QStringList& titles) {
    if (titles_ == titles) return;
    titles_ = titles;
    const int selected = currentIndex();
    if (segments_) {
        segments_->setSegments(titles);
        segments_->setCurrentIndex(selected);
        return;
    }
    const QSignalBlocker blocker(menu_);
    menu_->clear();
    menu_->addItems(titles);
    menu_->setCurrentIndex(selected);
}

void SettingsPicker::setCurrentIndex(int index) {
    if (index < 0 || index >= titles_.size()) index = -1;
    if (segments_) return segments_->setCurrentIndex(index);
    const QSignalBlocker blocker(menu_);
    menu_->setCurrentIndex(index);
}

int SettingsPicker::currentIndex() const { return segments_ ? segments_->currentIndex() : menu_->currentIndex(); }

}  // namespace quorbit
