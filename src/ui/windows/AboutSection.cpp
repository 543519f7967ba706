#include "ui/windows/AboutSection.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/kit/Typography.h"

namespace quorbit {

AboutSection::AboutSection(QWidget* parent)
    : GlassPanel(sectionRadius, parent), title_(new QLabel), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(14, 14, 14, 14);
    layout_->setSpacing(12);
    title_->setFont(Typography::font(TextStyle::headline));
    layout_->addWidget(title_);
}

void AboutSection::setTitle(const QString& title) { title_->setText(title); }

void AboutSection::addContent(QWidget* content) { layout_->addWidget(content); }

void AboutSection::addContent(QLayout* content) { layout_->addLayout(content); }

}  // namespace quorbit
