#include "ui/windows/WidgetWindowFactory.h"

#include <utility>

#include <qcoro/qcorotask.h>

#include "application/ports/SecurityEventLogging.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/windows/DataLifecycleCenter.h"
#include "ui/windows/MigrationImportWindow.h"
#include "ui/windows/SecurityCenter.h"
#include "ui/windows/SecurityLog.h"
#include "ui/windows/WidgetWindowHolder.h"

namespace quorbit {
namespace {

QCoro::Task<> recordLifecycleReviewOpened(QuorbitViewModel& viewModel) {
    auto record = [&log = viewModel.securityEventLogger()] {
        log.log(SecurityEventKind::dataLifecycleReviewOpened, std::nullopt, std::nullopt,
                "Data Lifecycle Center opened", {});
    };
    co_await viewModel.worker().run(std::move(record));
}

}  // namespace

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeSecurityAuditWindow(QuorbitViewModel& viewModel) {
    return std::make_unique<WidgetWindowHolder>([&viewModel] { return new SecurityCenter(viewModel); });
}

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeSecurityLogWindow(QuorbitViewModel& viewModel) {
    return std::make_unique<WidgetWindowHolder>([&viewModel] { return new SecurityLog(viewModel); });
}

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeDataLifecycleWindow(QuorbitViewModel& viewModel) {
    return std::make_unique<WidgetWindowHolder>([&viewModel] { return new DataLifecycleCenter(viewModel); },
                                                [&viewModel] { (void)recordLifecycleReviewOpened(viewModel); });
}

std::unique_ptr<WindowHolder> WidgetWindowFactory::makeGoogleAuthImportWindow(QuorbitViewModel& viewModel,
                                                                              std::vector<GoogleAuthAccount> accounts,
                                                                              bool isFinalBatch,
                                                                              std::function<void()> onComplete) {
    // The window completes on its close and after its import; the caller hears of it once.
    auto pending = std::make_shared<std::function<void()>>(std::move(onComplete));
    auto completeOnce = [pending] {
        if (std::function<void()> complete = std::exchange(*pending, nullptr)) complete();
    };
    auto build = [&viewModel, accounts = std::move(accounts), isFinalBatch, completeOnce] {
        return new MigrationImportWindow(viewModel, accounts, isFinalBatch, completeOnce);
    };
    return std::make_unique<WidgetWindowHolder>(std::move(build));
}

}  // namespace quorbit
