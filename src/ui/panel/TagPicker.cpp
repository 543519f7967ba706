#include "ui/panel/TagPicker.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/ElidedButton.h"
#include "ui/kit/FlowLayout.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"

namespace quorbit {

TagPicker::TagPicker(QWidget* parent)
    : QWidget(parent), heading_(new QLabel), chipArea_(new QWidget), chips_(new FlowLayout(chipArea_, 6)),
      newTag_(new QLineEdit), addTag_(new QPushButton) {
    newTag_->setObjectName(objectnames::panel::newTagField);
    addTag_->setObjectName(objectnames::panel::addTagButton);
    addTag_->setAutoDefault(false);
    heading_->setFont(Typography::font(TextStyle::headline));
    chips_->setContentsMargins(0, 0, 0, 0);

    auto* newTagRow = new QHBoxLayout;
    newTagRow->addWidget(newTag_, 1);
    newTagRow->addWidget(addTag_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(heading_);
    layout->addWidget(chipArea_);
    layout->addLayout(newTagRow);

    connect(newTag_, &QLineEdit::textEdited, this, [this](const QString& text) {
        showAddTagState();
        emit newTagEdited(text);
    });
    connect(addTag_, &QPushButton::clicked, this, &TagPicker::addTagRequested);
    setLanguage(AppLanguage::english);
    rebuildChips({});
    showAddTagState();
}

void TagPicker::setLanguage(AppLanguage language) {
    heading_->setText(localized(language, "Tags", "Теги"));
    newTag_->setPlaceholderText(localized(language, "New tag", "Новый тег"));
    addTag_->setText(localized(language, "Add tag", "Добавить тег"));
    // Fusion's size hint leaves a longer label a few pixels short of its frame.
    addTag_->setMinimumWidth(addTag_->fontMetrics().horizontalAdvance(addTag_->text()) + 24);
}

void TagPicker::setTags(const std::vector<std::string>& known, const std::set<std::string>& selected) {
    if (known != known_) rebuildChips(known);
    if (selected != selected_) {
        selected_ = selected;
        showSelection();
    }
}

void TagPicker::setNewTag(const QString& text) {
    if (newTag_->text() != text) newTag_->setText(text);
    showAddTagState();
}

void TagPicker::rebuildChips(const std::vector<std::string>& known) {
    known_ = known;
    for (QPushButton* chip : chipButtons_) delete chip;
    chipButtons_.clear();
    for (const std::string& tag : known_) {
        auto* chip = new ElidedButton(QString::fromStdString(tag));
        chip->setObjectName(objectnames::panel::tagChip);
        chip->setProperty("tag", QString::fromStdString(tag));
        chip->setAutoDefault(false);
        chip->setFont(Typography::font(TextStyle::callout));
        connect(chip, &QPushButton::clicked, this, [this, tag] { emit tagToggled(tag); });
        chips_->addWidget(chip);
        chipButtons_.push_back(chip);
    }
    chipArea_->setVisible(!known_.empty());
    showSelection();
}

void TagPicker::showSelection() {
    const QColor tint = Palette(palette()).accent();
    for (std::size_t i = 0; i < chipButtons_.size(); ++i) {
        const bool selected = selected_.contains(known_[i]);
        chipButtons_[i]->setIcon(
            IconFactory::icon(selected ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("circle"), tint));
    }
}

void TagPicker::showAddTagState() { addTag_->setEnabled(!newTag_->text().trimmed().isEmpty()); }

// Only once our own palette holds the new colours: the application-wide change can reach us
// before our parent's palette, which ours is resolved from, has changed.
void TagPicker::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) showSelection();
}

}  // namespace quorbit
