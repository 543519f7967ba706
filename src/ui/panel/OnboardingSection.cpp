#include "ui/panel/OnboardingSection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"

namespace quorbit {

OnboardingSection::OnboardingSection(QWidget* parent)
    : QWidget(parent), icon_(new SymbolView(QString(), 18, SymbolView::secondary)),
      title_(new PlainLabel(Typography::font(TextStyle::title3, QFont::DemiBold))),
      message_(new PlainLabel(Typography::font(TextStyle::callout))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(10);
    icon_->setObjectName(objectnames::onboarding::stepSymbol);
    auto* iconFrame = new QWidget;
    iconFrame->setFixedSize(24, 24);
    auto* iconLayout = new QHBoxLayout(iconFrame);
    iconLayout->setContentsMargins(3, 3, 3, 3);
    iconLayout->addWidget(icon_);
    heading->addWidget(iconFrame);
    title_->setObjectName(objectnames::onboarding::stepTitle);
    title_->setWordWrap(true);
    heading->addWidget(title_, 1);
    layout->addLayout(heading);
    message_->setWordWrap(true);
    TextTone::apply(message_, TextTone::secondary);
    layout->addWidget(message_);
}

void OnboardingSection::setContent(const QString& symbol, const QString& title, const QString& message) {
    icon_->setName(symbol);
    title_->setText(title);
    message_->setText(message);
}

QString OnboardingSection::title() const { return title_->text(); }

}  // namespace quorbit
