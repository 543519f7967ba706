#include "ui/windows/WidgetWindowFactory.h"

#include <utility>

#include <qcoro/qcorotask.h>

#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/windows/DataLifecycleCenter.h"
#include "ui/windows/MigrationImportWindow.h"
#include "ui/windows/SecurityCenter.h"
#include "ui/windows/SecurityLog.h"
#include "ui/windows/WidgetWindowHolder.h"

namespace quorbit {
std::unique_ptr<WindowHolder> WidgetWindowFactory::makeSecurityAuditWindow(QuorbitViewModel& viewModel) {
    return std::make_unique<WidgetWindowHolder>([&viewModel] { return new SecurityCenter(viewModel); });
}

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeSecurityLogWindow(QuorbitViewModel& viewModel) {
    return std::make_unique<WidgetWindowHolder>([&viewModel] { return new SecurityLog(viewModel); });
}

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeDataLifecycleWindow(QuorbitViewModel& viewModel) {
    return std::make_unique<WidgetWindowHolder>([&viewModel] { return new DataLifecycleCenter(viewModel); },
                                                [&viewModel] { (void)viewModel.recordLifecycleReviewOpened(); });
}

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeGoogleAuthImportWindow(QuorbitViewModel& viewModel,
                                                                              std::vector<GoogleAuthAccount> accounts,
                                                                              bool isFinalBatch,
                                                                              std::function<void()> onComplete) {
    auto build = [&viewModel, accounts = std::move(accounts), isFinalBatch, onComplete = std::move(onComplete)] {
        return new MigrationImportWindow(viewModel, accounts, isFinalBatch, onComplete);
    };
    return std::make_unique<WidgetWindowHolder>(std::move(build));
}

}  // namespace quorbit
