#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

#include <qcoro/qcorotask.h>

#include "domain/SecurityEvent.h"
#include "domain/SecurityEventFilter.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace quorbit {

class QuorbitViewModel;
class SegmentedControl;

// The security event log, newest first, filtered by category, with "Clear Log". It reads the
// log when it is first shown and again after a clear, so it shows what is really stored.
class SecurityLog final : public QWidget {
    Q_OBJECT
public:
    explicit SecurityLog(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    const std::vector<SecurityEvent>& events() const noexcept { return events_; }
    // A load or a clear is running.
    bool isLoading() const noexcept { return loadsRunning_ > 0; }

    QCoro::Task<> loadEvents();
    // Asks first; clears the stored log, then reads it back.
    QCoro::Task<> clearWithConfirmation();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildEmptyView();
    QWidget* eventRow(const SecurityEvent& event);
    void chooseFilter(int index);
    void showEvents();
    void showTexts();

    QuorbitViewModel& viewModel_;
    std::vector<SecurityEvent> events_;
    SecurityEventFilter filter_ = SecurityEventFilter::all;
    bool started_ = false;
    int loadsRunning_ = 0;
    std::uint64_t loadGeneration_ = 0;
    QLabel* title_ = nullptr;
    QPushButton* clear_ = nullptr;
    SegmentedControl* filterControl_ = nullptr;
    QLabel* emptyText_ = nullptr;
    QStackedWidget* body_ = nullptr;
    QWidget* emptyView_ = nullptr;
    QScrollArea* eventsView_ = nullptr;
};

}  // namespace quorbit
