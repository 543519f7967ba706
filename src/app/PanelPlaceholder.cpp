#include "app/PanelPlaceholder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

PanelPlaceholder::PanelPlaceholder(QuorbitViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel), menuButton_(new QToolButton(this)), state_(plainLabel(this)),
      codes_(plainLabel(this)), status_(plainLabel(this)), lockButton_(new QPushButton(this)) {
    auto* settings = new QPushButton(QStringLiteral("…"), this);
    settings->setObjectName(objectnames::app::placeholderSettingsButton);
    menuButton_->setObjectName(objectnames::app::placeholderMenuButton);
    menuButton_->setText(QStringLiteral("☰"));
    menuButton_->setPopupMode(QToolButton::InstantPopup);
    menuButton_->hide();
    lockButton_->setObjectName(objectnames::app::placeholderUnlockButton);
    codes_->setObjectName(objectnames::app::placeholderCodes);

    auto* title = plainLabel(this);
    title->setText(QStringLiteral("Quorbit"));
    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch();
    header->addWidget(settings);
    header->addWidget(menuButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(header);
    layout->addWidget(state_);
    layout->addWidget(lockButton_);
    layout->addWidget(codes_);
    layout->addStretch();
    layout->addWidget(status_);

    connect(settings, &QPushButton::clicked, this, &PanelPlaceholder::settingsRequested);
    connect(lockButton_, &QPushButton::clicked, this, [this] {
        if (viewModel_.isUnlocked()) {
            viewModel_.lock();
        } else {
            (void)viewModel_.unlock();
        }
    });
    for (auto signal : {&QuorbitViewModel::lockStateChanged, &QuorbitViewModel::codesChanged,
                        &QuorbitViewModel::statusMessageChanged, &QuorbitViewModel::settingsChanged}) {
        connect(&viewModel_, signal, this, &PanelPlaceholder::update);
    }
    update();
}

void PanelPlaceholder::setHeaderMenu(QMenu* menu) {
    menuButton_->setMenu(menu);
    menuButton_->setVisible(menu != nullptr);
}

void PanelPlaceholder::update() {
    const bool russian = viewModel_.settings().language == AppLanguage::russian;
    const bool unlocked = viewModel_.isUnlocked();
    state_->setText(unlocked ? (russian ? QStringLiteral("Разблокировано") : QStringLiteral("Unlocked"))
                             : (russian ? QStringLiteral("Заблокировано") : QStringLiteral("Locked")));
    lockButton_->setText(unlocked ? (russian ? QStringLiteral("Заблокировать") : QStringLiteral("Lock"))
                                  : (russian ? QStringLiteral("Разблокировать") : QStringLiteral("Unlock")));
    const auto& codes = viewModel_.codes();
    const QString first = codes.empty() ? QString() : QString::fromStdString(codes.begin()->second);
    codes_->setText(codes.empty() ? QString() : QStringLiteral("%1 · %2").arg(codes.size()).arg(first));
    codes_->setAccessibleName(first);
    status_->setText(viewModel_.statusMessage().value_or(QString()));
}

}  // namespace quorbit
