#include "ui/windows/SecurityCenter.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "application/text/AppLocalizer.h"
#include "domain/UnicodeText.h"
#include "ui/ObjectNames.h"
#include "ui/kit/CenteredMessage.h"
#include "ui/kit/Divider.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/SymbolView.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/TintedPanel.h"
#include "ui/kit/Typography.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

void setTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// A finding's card: the severity colour at 5 % behind it and a 4-point bar at its leading edge.
class IssueCard final : public QWidget {
public:
    explicit IssueCard(QColor color) : color_(std::move(color)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        TintedPanel::paint(painter, rect(), Palette::withAlpha(color_, 0.05), 8);
        TintedPanel::paint(painter, QRectF(8, 8, 4, height() - 16), color_, 2);
    }

private:
    QColor color_;
};

// The coloured dot before a section title.
class SeverityDot final : public QWidget {
public:
    explicit SeverityDot(QColor color) : color_(std::move(color)) { setFixedSize(8, 8); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color_);
        painter.drawEllipse(rect());
    }

private:
    QColor color_;
};

}  // namespace

SecurityCenter::SecurityCenter(QuorbitViewModel& viewModel, QWidget* parent) : QWidget(parent), viewModel_(viewModel) {
    setObjectName(objectnames::windows::securityCenterWindow);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(localized(viewModel.settings().language, "Security Center", "Центр безопасности"));
    setMinimumSize(480, 400);
    resize(520, 480);

    body_ = new QStackedWidget;
    loadingView_ = buildLoadingView();
    noIssuesView_ = buildNoIssuesView();
    notRunView_ = buildNotRunView();
    issuesView_ = new QScrollArea;
    issuesView_->setObjectName(objectnames::windows::securityIssues);
    issuesView_->setFrameShape(QFrame::NoFrame);
    issuesView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    issuesView_->setWidgetResizable(true);
    for (QWidget* page : {loadingView_, noIssuesView_, notRunView_, static_cast<QWidget*>(issuesView_)}) {
        body_->addWidget(page);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addWidget(new Divider);
    layout->addWidget(body_, 1);

    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, [this] {
        showTexts();
        rebuildList();
    });
    connect(&viewModel_, &QuorbitViewModel::accountsChanged, this, &SecurityCenter::rebuildList);
    showTexts();
    showState();
}

QWidget* SecurityCenter::buildHeader() {
    auto* header = new QWidget;
    auto* column = new QVBoxLayout(header);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(8);
    auto* line = new QHBoxLayout;
    line->addWidget(new SymbolView(QStringLiteral("shield.checkered"), Typography::pixelSize(TextStyle::title2), 1.0));
    title_ = new PlainLabel(Typography::font(TextStyle::headline));
    line->addWidget(title_);
    line->addStretch();
    checkAgain_ = new QPushButton;
    checkAgain_->setObjectName(objectnames::windows::securityCheckAgain);
    connect(checkAgain_, &QPushButton::clicked, this, [this] { (void)runAudit(); });
    line->addWidget(checkAgain_);
    column->addLayout(line);
    summary_ = new PlainLabel(Typography::font(TextStyle::subheadline));
    summary_->setObjectName(objectnames::windows::securitySummary);
    summary_->setAlignment(Qt::AlignHCenter);
    TextTone::apply(summary_, TextTone::secondary);
    column->addWidget(summary_);
    return header;
}

QWidget* SecurityCenter::buildLoadingView() {
    auto* progress = new QProgressBar;
    progress->setRange(0, 0);
    progress->setTextVisible(false);
    progress->setFixedSize(120, 8);
    loadingText_ = new PlainLabel(Typography::font(TextStyle::body));
    TextTone::apply(loadingText_, TextTone::secondary);
    auto* view = new CenteredMessage(progress, loadingText_);
    view->setObjectName(objectnames::windows::securityLoading);
    return view;
}

QWidget* SecurityCenter::buildNoIssuesView() {
    auto* icon = new SymbolView(QStringLiteral("checkmark.shield.fill"), 48, &Palette::green);
    icon->setObjectName(objectnames::windows::securityNoIssuesSymbol);
    noIssuesText_ = new PlainLabel(Typography::font(TextStyle::title3, QFont::Medium));
    auto* view = new CenteredMessage(icon, noIssuesText_);
    view->setObjectName(objectnames::windows::securityNoIssues);
    return view;
}

QWidget* SecurityCenter::buildNotRunView() {
    auto* icon = new SymbolView(QStringLiteral("exclamationmark.triangle"), 48, &Palette::orange);
    notRunText_ = new PlainLabel(Typography::font(TextStyle::title3, QFont::Medium));
    notRunText_->setAlignment(Qt::AlignHCenter);
    notRunText_->setWordWrap(true);
    auto* view = new CenteredMessage(icon, notRunText_);
    view->setObjectName(objectnames::windows::securityNotRun);
    return view;
}

void SecurityCenter::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(started_, true)) return;
    (void)runAudit();
}

QCoro::Task<> SecurityCenter::runAudit() {
    const std::uint64_t generation = ++auditGeneration_;
    isLoading_ = true;
    showState();
    const QPointer<SecurityCenter> self(this);
    QCoro::Task<std::optional<std::vector<SecurityAuditIssue>>> audit = viewModel_.runSecurityAudit();
    std::optional<std::vector<SecurityAuditIssue>> found = co_await std::move(audit);
    if (!self || generation != auditGeneration_) co_return;
    didNotRun_ = !found;
    issues_ = std::move(found).value_or(std::vector<SecurityAuditIssue>{});
    isLoading_ = false;
    showState();
}

QCoro::Task<> SecurityCenter::ignoreIssue(SecurityAuditIssue issue) {
    const QPointer<SecurityCenter> self(this);
    QCoro::Task<> ignore = viewModel_.ignoreSecurityIssue(issue);
    co_await std::move(ignore);
    if (!self) co_return;
    std::erase_if(issues_, [&issue](const SecurityAuditIssue& shown) { return shown.id == issue.id; });
    showState();
}

QString SecurityCenter::affectedAccountNames(const std::vector<Uuid>& accountIds) const {
    QStringList names;
    const std::vector<OtpAccount>& accounts = viewModel_.accounts();
    for (const Uuid& id : accountIds) {
        const auto found = std::find_if(accounts.begin(), accounts.end(),
                                        [&id](const OtpAccount& account) { return account.id == id; });
        if (found == accounts.end()) continue;
        names << QString::fromStdString(UnicodeText::isolatedForDisplay(found->label()));
    }
    return names.join(QStringLiteral(", "));
}

void SecurityCenter::showState() {
    if (isLoading_) {
        body_->setCurrentWidget(loadingView_);
    } else if (didNotRun_) {
        body_->setCurrentWidget(notRunView_);
    } else if (issues_.empty()) {
        body_->setCurrentWidget(noIssuesView_);
    } else {
        body_->setCurrentWidget(issuesView_);
    }
    showTexts();
    rebuildList();
}

void SecurityCenter::showTexts() {
    const AppLanguage language = viewModel_.settings().language;
    title_->setText(localized(language, "Security Center", "Центр безопасности"));
    checkAgain_->setText(localized(language, "Check Again", "Проверить снова"));
    loadingText_->setText(localized(language, "Checking...", "Проверка..."));
    noIssuesText_->setText(localized(language, "No issues found", "Проблем не найдено"));
    notRunText_->setText(
        localized(language, "The check could not run: Quorbit stayed locked or its accounts could not be read.",
                  "Проверка не выполнена: Quorbit остался заблокирован или аккаунты не удалось прочитать."));
    auto count = [this](SecurityAuditSeverity severity) {
        return std::count_if(issues_.begin(), issues_.end(),
                             [severity](const SecurityAuditIssue& issue) { return issue.severity == severity; });
    };
    summary_->setVisible(!issues_.empty());
    summary_->setText(QString::fromStdString(AppLocalizer(language).securityAuditSummary(
        count(SecurityAuditSeverity::critical), count(SecurityAuditSeverity::warning),
        count(SecurityAuditSeverity::info))));
}

// Findings change only by a run or an ignore, and names or texts by the view model: the list
// is small, so it is built again, keeping the scroll position.
void SecurityCenter::rebuildList() {
    const int scrolled = issuesView_->verticalScrollBar()->value();
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 4, 16, 16);
    layout->setSpacing(0);
    const AppLanguage language = viewModel_.settings().language;
    const Palette colors(palette());
    struct Section {
        SecurityAuditSeverity severity;
        QString title;
        QColor color;
    };
    const std::array<Section, 3> sections{{
        {SecurityAuditSeverity::critical, localized(language, "Critical", "Критичные"), colors.red()},
        {SecurityAuditSeverity::warning, localized(language, "Warnings", "Предупреждения"), colors.orange()},
        {SecurityAuditSeverity::info, localized(language, "Recommendations", "Рекомендации"), colors.blue()},
    }};
    for (const Section& section : sections) {
        bool headed = false;
        for (const SecurityAuditIssue& issue : issues_) {
            if (issue.severity != section.severity) continue;
            if (!std::exchange(headed, true)) layout->addWidget(sectionHeader(section.title, section.color));
            layout->addWidget(issueCard(issue, section.color));
        }
    }
    layout->addStretch();
    // A card's own Ignore button may be the caller.
    if (QWidget* previous = issuesView_->takeWidget()) previous->deleteLater();
    issuesView_->setWidget(content);
    issuesView_->verticalScrollBar()->setValue(scrolled);
}

QWidget* SecurityCenter::sectionHeader(const QString& title, const QColor& color) {
    auto* header = new QWidget;
    header->setObjectName(objectnames::windows::securitySection);
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 12, 0, 4);
    layout->addWidget(new SeverityDot(color));
    QLabel* text = new PlainLabel(Typography::font(TextStyle::subheadline, QFont::DemiBold), title);
    TextTone::apply(text, TextTone::secondary);
    layout->addWidget(text);
    layout->addStretch();
    return header;
}

QWidget* SecurityCenter::issueCard(const SecurityAuditIssue& issue, const QColor& color) {
    auto* card = new IssueCard(color);
    card->setObjectName(objectnames::windows::securityIssueCard);
    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(20, 8, 8, 8);
    row->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(
        new PlainLabel(Typography::font(TextStyle::subheadline, QFont::Medium), QString::fromStdString(issue.title)));
    QLabel* message = new PlainLabel(Typography::font(TextStyle::caption), QString::fromStdString(issue.message));
    message->setWordWrap(true);
    TextTone::apply(message, TextTone::secondary);
    texts->addWidget(message);
    if (issue.recommendedAction) {
        QLabel* action =
            new PlainLabel(Typography::font(TextStyle::caption), QString::fromStdString(*issue.recommendedAction));
        action->setWordWrap(true);
        setTextColor(action, Palette(palette()).blue());
        texts->addWidget(action);
    }
    const QString names = affectedAccountNames(issue.accountIds);
    if (!names.isEmpty()) {
        const AppLanguage language = viewModel_.settings().language;
        QLabel* affected = new PlainLabel(Typography::font(TextStyle::caption2),
                                          localized(language, "Affected accounts", "Затронутые аккаунты") +
                                              QStringLiteral(": ") + names);
        affected->setObjectName(objectnames::windows::securityAffectedAccounts);
        affected->setWordWrap(true);
        TextTone::apply(affected, TextTone::tertiary);
        texts->addWidget(affected);
    }
    row->addLayout(texts, 1);

    auto* ignore = new QPushButton(localized(viewModel_.settings().language, "Ignore", "Игнорировать"));
    ignore->setObjectName(objectnames::windows::securityIgnore);
    ignore->setFlat(true);
    ignore->setFont(Typography::font(TextStyle::caption));
    ignore->setCursor(Qt::PointingHandCursor);
    TextTone::apply(ignore, TextTone::secondary);
    connect(ignore, &QPushButton::clicked, this, [this, issue] { (void)ignoreIssue(issue); });
    row->addWidget(ignore, 0, Qt::AlignTop);

    auto* spaced = new QWidget;
    auto* spacing = new QVBoxLayout(spaced);
    spacing->setContentsMargins(0, 2, 0, 2);
    spacing->addWidget(card);
    return spaced;
}

}  // namespace quorbit
