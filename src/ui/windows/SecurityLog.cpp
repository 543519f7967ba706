#include "ui/windows/SecurityLog.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "application/ports/DialogPresenter.h"
#include "application/text/AppLocalizer.h"
#include "domain/UnicodeText.h"
#include "ui/ObjectNames.h"
#include "ui/kit/CenteredMessage.h"
#include "ui/kit/ClampedLabel.h"
#include "ui/kit/Divider.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/TintedPanel.h"
#include "ui/kit/Typography.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

struct KindSymbol {
    const char* name;
    Palette::Tint tint;
};

KindSymbol symbolOf(SecurityEventKind kind) {
    using enum SecurityEventKind;
    switch (kind) {
    case accountCreated: return {"plus.circle", &Palette::green};
    case accountUpdated: return {"pencil.circle", &Palette::blue};
    case accountMovedToTrash: return {"trash", &Palette::orange};
    case accountRestored: return {"arrow.uturn.backward.circle", &Palette::green};
    case accountDeletedPermanently: return {"xmark.circle", &Palette::red};
    case codeCopied: return {"doc.on.doc", &Palette::blue};
    case importPreviewCreated: return {"eye", &Palette::purple};
    case importCompleted: return {"arrow.down.circle", &Palette::green};
    case backupCreated: return {"arrow.up.doc", &Palette::blue};
    case backupImported: return {"arrow.down.doc", &Palette::green};
    case settingsChanged: return {"gearshape", &Palette::gray};
    case appLocked: return {"lock", &Palette::orange};
    case appUnlocked: return {"lock.open", &Palette::green};
    case securityAuditRun: return {"shield.checkered", &Palette::blue};
    case securityIssueIgnored: return {"eye.slash", &Palette::gray};
    case recoveryKitCreated: return {"briefcase", &Palette::purple};
    case recoveryKitFailed: return {"exclamationmark.triangle", &Palette::red};
    case dataLifecycleReviewOpened: return {"arrow.3.trianglepath", &Palette::blue};
    case trashEmptied: return {"trash.slash", &Palette::orange};
    case bulkActionCompleted: return {"square.on.square", &Palette::blue};
    case selectedAccountsExported: return {"square.and.arrow.up", &Palette::purple};
    }
    return {"circle", &Palette::gray};
}

// The system's short date and time, whatever the interface language.
QString shortDateTime(TimePoint time) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
    return QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds).toLocalTime(), QLocale::ShortFormat);
}

}  // namespace

SecurityLog::SecurityLog(QuorbitViewModel& viewModel, QWidget* parent) : QWidget(parent), viewModel_(viewModel) {
    setObjectName(objectnames::windows::securityLogWindow);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(localized(viewModel.settings().language, "Security Log", "Журнал безопасности"));
    setMinimumSize(480, 400);
    resize(520, 480);

    filterControl_ = new SegmentedControl;
    filterControl_->setObjectName(objectnames::windows::securityLogFilter);
    connect(filterControl_, &SegmentedControl::activated, this, &SecurityLog::chooseFilter);
    auto* filterBar = new QHBoxLayout;
    filterBar->setContentsMargins(16, 8, 16, 8);
    filterBar->addWidget(filterControl_);

    body_ = new QStackedWidget;
    emptyView_ = buildEmptyView();
    eventsView_ = new QScrollArea;
    eventsView_->setObjectName(objectnames::windows::securityLogEvents);
    eventsView_->setFrameShape(QFrame::NoFrame);
    eventsView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    eventsView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    eventsView_->setWidgetResizable(true);
    body_->addWidget(emptyView_);
    body_->addWidget(eventsView_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addWidget(new Divider);
    layout->addLayout(filterBar);
    layout->addWidget(new Divider);
    layout->addWidget(body_, 1);

    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, [this] {
        showTexts();
        showEvents();
    });
    showTexts();
    showEvents();
}

QWidget* SecurityLog::buildHeader() {
    auto* header = new QWidget;
    auto* line = new QHBoxLayout(header);
    line->setContentsMargins(16, 14, 16, 14);
    line->addWidget(
        new SymbolView(QStringLiteral("list.bullet.clipboard"), Typography::pixelSize(TextStyle::title2), 1.0));
    title_ = new PlainLabel(Typography::font(TextStyle::headline));
    line->addWidget(title_);
    line->addStretch();
    clear_ = new QPushButton;
    clear_->setObjectName(objectnames::windows::securityLogClear);
    connect(clear_, &QPushButton::clicked, this, [this] { (void)clearWithConfirmation(); });
    line->addWidget(clear_);
    return header;
}

QWidget* SecurityLog::buildEmptyView() {
    emptyText_ = new PlainLabel(Typography::font(TextStyle::body));
    TextTone::apply(emptyText_, TextTone::secondary);
    auto* view = new CenteredMessage(
        new SymbolView(QStringLiteral("doc.text.magnifyingglass"), 36, TextTone::secondary), emptyText_);
    view->setObjectName(objectnames::windows::securityLogEmpty);
    return view;
}

void SecurityLog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(started_, true)) return;
    (void)loadEvents();
}

QCoro::Task<> SecurityLog::loadEvents() {
    const std::uint64_t generation = ++loadGeneration_;
    ++loadsRunning_;
    const QPointer<SecurityLog> self(this);
    std::vector<SecurityEvent> stored = co_await viewModel_.loadSecurityEvents();
    if (!self) co_return;
    --loadsRunning_;
    if (generation != loadGeneration_) co_return;
    events_ = std::move(stored);
    showEvents();
}

// Clearing cannot report a failure, so the log is read back: a clear that did not reach the
// file leaves its entries on screen.
QCoro::Task<> SecurityLog::clearWithConfirmation() {
    const AppLanguage language = viewModel_.settings().language;
    DialogPresenter::Alert alert;
    alert.style = DialogPresenter::AlertStyle::warning;
    alert.message = localized(language, "Clear Log", "Очистить журнал").toStdString();
    alert.informativeText = localized(language, "Are you sure you want to clear the security log?",
                                      "Вы уверены, что хотите очистить журнал безопасности?")
                                .toStdString();
    alert.firstButton = alert.message;
    alert.cancelButton = localized(language, "Cancel", "Отмена").toStdString();
    alert.destructive = true;
    if (!viewModel_.dialogs().showAlert(alert).firstButtonChosen) co_return;
    const QPointer<SecurityLog> self(this);
    ++loadsRunning_;
    co_await viewModel_.clearSecurityLog();
    if (!self) co_return;
    --loadsRunning_;
    co_await loadEvents();
}

void SecurityLog::chooseFilter(int index) {
    if (index < 0 || index >= int(allSecurityEventFilters.size())) return;
    filter_ = allSecurityEventFilters[std::size_t(index)];
    showEvents();
}

void SecurityLog::showEvents() {
    clear_->setEnabled(!events_.empty());
    auto* content = new QWidget;
    auto* rows = new QVBoxLayout(content);
    rows->setContentsMargins(16, 12, 16, 12);
    rows->setSpacing(4);
    int shown = 0;
    for (const SecurityEvent& event : events_) {
        if (!matches(filter_, event)) continue;
        rows->addWidget(eventRow(event));
        ++shown;
    }
    rows->addStretch();
    if (QWidget* previous = eventsView_->takeWidget()) previous->deleteLater();
    eventsView_->setWidget(content);
    body_->setCurrentWidget(shown == 0 ? emptyView_ : static_cast<QWidget*>(eventsView_));
}

QWidget* SecurityLog::eventRow(const SecurityEvent& event) {
    // A row's faint rounded background: the secondary colour at 3 %.
    auto* row = new TintedPanel(&Palette::secondaryText, 0.03, 6);
    row->setObjectName(objectnames::windows::securityLogRow);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->setAlignment(Qt::AlignTop);

    const KindSymbol symbol = symbolOf(event.kind);
    const int side = Typography::pixelSize(TextStyle::caption) + 2;
    auto* icon = new SymbolView(QString::fromLatin1(symbol.name), side, symbol.tint);
    auto* iconColumn = new QVBoxLayout;  // 20 wide, the symbol centred at its top
    iconColumn->setContentsMargins((20 - side) / 2, 0, 20 - side - (20 - side) / 2, 0);
    iconColumn->addWidget(icon);
    iconColumn->addStretch();
    layout->addLayout(iconColumn);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    const AppLocalizer localizer(viewModel_.settings().language);
    texts->addWidget(new PlainLabel(Typography::font(TextStyle::subheadline, QFont::Medium),
                                    QString::fromStdString(localizer.securityEventDescription(event.kind))));
    QLabel* message = new PlainLabel(Typography::font(TextStyle::caption), QString::fromStdString(event.message));
    message->setWordWrap(true);
    TextTone::apply(message, TextTone::secondary);
    texts->addWidget(message);
    if (event.accountLabel) {
        // At most two lines, then an ellipsis: a long label must leave room for the time.
        auto* account = new ClampedLabel(2);
        account->setObjectName(objectnames::windows::securityLogRowAccount);
        account->setFont(Typography::font(TextStyle::caption2));
        account->setText(QString::fromStdString(UnicodeText::isolatedForDisplay(*event.accountLabel)));
        TextTone::apply(account, TextTone::tertiary);
        texts->addWidget(account);
    }
    layout->addLayout(texts, 1);

    QLabel* date = new PlainLabel(Typography::font(TextStyle::caption2), shortDateTime(event.createdAt));
    date->setObjectName(objectnames::windows::securityLogRowDate);
    TextTone::apply(date, TextTone::tertiary);
    layout->addWidget(date, 0, Qt::AlignTop);
    return row;
}

void SecurityLog::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    title_->setText(localized(language, "Security Log", "Журнал безопасности"));
    clear_->setText(localized(language, "Clear Log", "Очистить журнал"));
    emptyText_->setText(localized(language, "No events yet", "Пока нет событий"));
    QStringList titles;
    for (SecurityEventFilter filter : allSecurityEventFilters)
        titles << QString::fromStdString(title(filter, language));
    filterControl_->setSegments(titles);
    const auto chosen = std::find(allSecurityEventFilters.begin(), allSecurityEventFilters.end(), filter_);
    filterControl_->setCurrentIndex(int(chosen - allSecurityEventFilters.begin()));
}

}  // namespace quorbit
