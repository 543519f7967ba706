#include "ui/kit/SettingsHeader.h"

#include <QVBoxLayout>

#include "ui/kit/StyledLabel.h"

namespace quorbit {

SettingsHeader::SettingsHeader(QWidget* parent)
    : QWidget(parent), title_(new StyledLabel(TextStyle::title2, StyledLabel::Tone::primary)),
      subtitle_(new StyledLabel(TextStyle::callout, StyledLabel::Tone::secondary)) {
    title_->setFont(Typography::font(TextStyle::title2, QFont::DemiBold));
    subtitle_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(title_);
    layout->addWidget(subtitle_);
}

void SettingsHeader::setTexts(const QString& title, const QString& subtitle) {
    title_->setTextIfChanged(title);
    subtitle_->setTextIfChanged(subtitle);
}

QString SettingsHeader::title() const { return title_->text(); }

}  // namespace quorbit
