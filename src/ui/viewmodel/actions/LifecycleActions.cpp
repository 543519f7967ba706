#include "ui/viewmodel/actions/LifecycleActions.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include <QPointer>
#include <QUrl>

#include "application/services/DataLifecycleService.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"
#include "ui/viewmodel/ports/DesktopServices.h"

namespace quorbit {
namespace {

using Case = DataLifecycleAction::Case;

bool deletesSecrets(const DataLifecycleAction& action) {
    return action.actionCase() == Case::emptyTrash || action.actionCase() == Case::deletePermanently;
}

void perform(const DataLifecycleService& service, const DataLifecycleAction& action, const std::set<Uuid>& ids) {
    switch (action.actionCase()) {
    case Case::addTag: service.addTag(action.tag(), ids); return;
    case Case::emptyTrash: service.emptyTrash(); return;
    case Case::deletePermanently: service.deletePermanently(ids); return;
    case Case::restore: service.restore(ids); return;
    case Case::moveToTrash: service.moveToTrash(ids); return;
    }
}

DataLifecycleService serviceOver(const QuorbitViewModelPorts& ports) {
    return DataLifecycleService(ports.repository, ports.secretStore, ports.clock,
                                LifecycleActions::unusedThresholdDays);
}

}  // namespace

LifecycleActions::LifecycleActions(ActionContext& context) : context_(context) {}

QCoro::Task<DataLifecycleStats> LifecycleActions::lifecycleStats() {
    auto count = [&ports = context_.ports()] { return serviceOver(ports).getLifecycleStats(); };
    co_return co_await context_.worker().run(std::move(count));
}

QCoro::Task<std::vector<OtpAccount>> LifecycleActions::lifecycleAccounts(DataLifecycleCategory category) {
    auto members = [&ports = context_.ports(), category] { return serviceOver(ports).getAccounts(category); };
    co_return co_await context_.worker().run(std::move(members));
}

QCoro::Task<> LifecycleActions::recordLifecycleReviewOpened() {
    co_await context_.recordEvent(SecurityEventKind::dataLifecycleReviewOpened, std::nullopt, std::nullopt,
                                  "Data Lifecycle Center opened");
}

std::string LifecycleActions::text(std::string_view english, std::string_view russian) const {
    return std::string(localized(context_.localizer().language(), english, russian));
}

// The events follow the change at once, so a failing reload cannot leave a change unrecorded.
QCoro::Task<> LifecycleActions::performLifecycleAction(DataLifecycleAction action, std::set<Uuid> accountIds) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        if (deletesSecrets(action)) co_await context_.ensureUnlocked(UnlockPurpose::deleteAccounts);
        auto job = [&ports, action, accountIds] { perform(serviceOver(ports), action, accountIds); };
        co_await context_.worker().run(std::move(job));
        if (!alive) co_return;
        co_await recordEvents(action, accountIds);
        if (!alive) co_return;
        co_await context_.reloadThrowing();
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

QCoro::Task<> LifecycleActions::recordEvents(const DataLifecycleAction& action, const std::set<Uuid>& accountIds) {
    const std::string count = std::to_string(accountIds.size());
    switch (action.actionCase()) {
    case Case::emptyTrash:
        co_await context_.recordEvent(SecurityEventKind::trashEmptied, std::nullopt, std::nullopt, "Trash emptied");
        co_return;
    case Case::deletePermanently:
        for (const Uuid& id : accountIds) {
            co_await context_.recordEvent(SecurityEventKind::accountDeletedPermanently, id, std::nullopt,
                                          "Permanently deleted in bulk action");
        }
        co_await recordBulkEvent("Bulk deleted " + count + " accounts");
        co_return;
    case Case::restore: co_await recordBulkEvent("Bulk restored " + count + " accounts"); co_return;
    case Case::moveToTrash: co_await recordBulkEvent("Bulk moved " + count + " accounts to trash"); co_return;
    case Case::addTag: co_await recordBulkEvent("Bulk added tag to " + count + " accounts"); co_return;
    }
}

QCoro::Task<> LifecycleActions::recordBulkEvent(std::string message) {
    co_await context_.recordEvent(SecurityEventKind::bulkActionCompleted, std::nullopt, std::nullopt,
                                  std::move(message));
}

void LifecycleActions::openDiagnostics() {
    const std::filesystem::path& folder = context_.ports().dataFolder;
    QuorbitViewModel& viewModel = context_.viewModel();
    const AppLocalizer localizer = context_.localizer();
    std::error_code error;
    if (std::filesystem::create_directories(folder, error)) {
        std::error_code ignored;  // a folder we cannot narrow is still one we can open
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
    }
    if (error) {
        viewModel.setStatusMessage(QString::fromStdString(localizer.diagnosticsError(error.message())));
        return;
    }
    // Without a file manager nothing opens the folder; saying "opened" would be false.
    if (!context_.ports().desktop.openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())))) {
        viewModel.setStatusMessage(QString::fromStdString(localizer.diagnosticsError(
            text("no file manager could open ", "файловый менеджер не открыл папку ") + folder.string())));
        return;
    }
    viewModel.setStatusMessage(QString::fromStdString(text("Diagnostics folder opened", "Папка с логами открыта")));
}

}  // namespace quorbit
