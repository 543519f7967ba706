#include "ui/kit/SettingsSection.h"

#include <QVBoxLayout>

#include "ui/kit/StyledLabel.h"

namespace quorbit {

SettingsSection::SettingsSection(QWidget* parent)
    : GlassPanel(sectionRadius, parent), layout_(new QVBoxLayout(this)),
      title_(new StyledLabel(TextStyle::headline, StyledLabel::Tone::primary)) {
    layout_->setContentsMargins(14, 14, 14, 14);
    layout_->setSpacing(12);
    layout_->addWidget(title_);
}

void SettingsSection::setTitle(const QString& title) { title_->setTextIfChanged(title); }

QString SettingsSection::title() const { return title_->text(); }

void SettingsSection::addWidget(QWidget* widget, Qt::Alignment alignment) { layout_->addWidget(widget, 0, alignment); }

void SettingsSection::addLayout(QLayout* layout) { layout_->addLayout(layout); }

}  // namespace quorbit
