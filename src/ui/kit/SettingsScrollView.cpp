#include "ui/kit/SettingsScrollView.h"

#include <QVBoxLayout>

#include "ui/kit/StyledLabel.h"

namespace quorbit {

SettingsScrollView::SettingsScrollView(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);

    auto* page = new QWidget;
    page->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 8, 0, 14);
    layout->setSpacing(16);
    blocks_ = new QVBoxLayout;
    blocks_->setContentsMargins(0, 0, 0, 0);
    blocks_->setSpacing(16);
    layout->addLayout(blocks_);
    status_ = new StyledLabel(TextStyle::caption, StyledLabel::Tone::secondary);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->hide();
    layout->addWidget(status_);
    layout->addStretch(1);
    setWidget(page);
}

void SettingsScrollView::addBlock(QWidget* block) { blocks_->addWidget(block); }

void SettingsScrollView::setStatus(const std::optional<QString>& status) {
    status_->setTextIfChanged(status.value_or(QString()));
    status_->setVisible(status.has_value());
}

}  // namespace quorbit
