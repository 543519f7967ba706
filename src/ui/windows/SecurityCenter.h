#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

#include <qcoro/qcorotask.h>

#include "domain/SecurityAuditIssue.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace quorbit {

class QuorbitViewModel;

// The findings of the security audit by severity, with a summary of their counts, "Check
// Again" and "Ignore" per finding. The first audit runs when the window is first shown.
class SecurityCenter final : public QWidget {
    Q_OBJECT
public:
    explicit SecurityCenter(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    bool isLoading() const noexcept { return isLoading_; }
    // The last run could not be made: its findings are unknown, which is not "no issues".
    bool didNotRun() const noexcept { return didNotRun_; }
    const std::vector<SecurityAuditIssue>& issues() const noexcept { return issues_; }

    // Only the latest run shows its result and ends the loading state.
    QCoro::Task<> runAudit();
    QCoro::Task<> ignoreIssue(SecurityAuditIssue issue);
    // The names of the accounts still held by the view model, in the order of the ids.
    QString affectedAccountNames(const std::vector<Uuid>& accountIds) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildLoadingView();
    QWidget* buildNoIssuesView();
    QWidget* buildNotRunView();
    void showState();
    void showTexts();
    void rebuildList();
    QWidget* sectionHeader(const QString& title, const QColor& color);
    QWidget* issueCard(const SecurityAuditIssue& issue, const QColor& color);

    QuorbitViewModel& viewModel_;
    std::vector<SecurityAuditIssue> issues_;
    bool isLoading_ = true;
    bool didNotRun_ = false;
    bool started_ = false;
    std::uint64_t auditGeneration_ = 0;
    QLabel* title_ = nullptr;
    QPushButton* checkAgain_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* loadingText_ = nullptr;
    QLabel* noIssuesText_ = nullptr;
    QLabel* notRunText_ = nullptr;
    QStackedWidget* body_ = nullptr;
    QWidget* loadingView_ = nullptr;
    QWidget* noIssuesView_ = nullptr;
    QWidget* notRunView_ = nullptr;
    QScrollArea* issuesView_ = nullptr;
};

}  // namespace quorbit
