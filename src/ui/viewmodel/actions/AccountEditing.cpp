#include "ui/viewmodel/actions/AccountEditing.h"

#include <algorithm>
#include <limits>
#include <utility>

#include <QPointer>

#include "application/ports/AccountGroupRepository.h"
#include "application/usecases/AddToken.h"
#include "application/usecases/UpdateAccountOtpSettings.h"
#include "domain/AccountTags.h"
#include "domain/TokenDraft.h"
#include "domain/UnicodeText.h"
#include "ui/SerialWorker.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/ActionContext.h"

namespace quorbit {
namespace {

// The selected tags and the one still typed in the field: a typed tag counts without "Add tag".
std::vector<std::string> tagsWith(const std::set<std::string>& selected, const QString& typed) {
    std::vector<std::string> tags(selected.begin(), selected.end());
    tags.push_back(typed.toStdString());
    return AccountTags::normalize(tags);
}

// The editor's controls hold an int; a stored value beyond it is shown at the nearest end.
int shown(std::int64_t stored) {
    return static_cast<int>(
        std::clamp<std::int64_t>(stored, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

AccountEditing::AccountEditing(ActionContext& context) : context_(context) {}

void AccountEditing::resetAddForm() {
    QuorbitViewModel& viewModel = context_.viewModel();
    viewModel.setManualIssuer({});
    viewModel.setManualAccountName({});
    viewModel.setManualSecret({});
    viewModel.setManualOtpType(OtpType::totp);
    viewModel.setManualAlgorithm(OtpAlgorithm::sha1);
    viewModel.setManualDigits(6);
    viewModel.setManualPeriod(30);
    viewModel.setManualHotpCounter(0);
    viewModel.setManualSelectedTags({});
    viewModel.setManualNewTag({});
}

// The account's event follows the add at once: a failure of the groups or the reload must not
// hide an account that was stored.
QCoro::Task<> AccountEditing::addManual() {
    if (!context_.ensureKeychainTrustMessageAccepted()) co_return;
    QuorbitViewModel& viewModel = context_.viewModel();
    const QPointer<QuorbitViewModel> alive(&viewModel);
    TokenDraft draft{.issuer = viewModel.manualIssuer().toStdString(),
                     .accountName = viewModel.manualAccountName().toStdString(),
                     .secretBase32 = SecretQString::utf8(viewModel.manualSecret()),
                     .type = viewModel.manualOtpType(),
                     .algorithm = viewModel.manualAlgorithm(),
                     .digits = viewModel.manualDigits(),
                     .period = viewModel.manualPeriod(),
                     .hotpCounter = std::max<std::int64_t>(viewModel.manualHotpCounter(), 0),
                     .tags = tagsWith(viewModel.manualSelectedTags(), viewModel.manualNewTag())};
    viewModel.setStatusMessage(context_.text(
        "The system may ask for access to the system keyring now. This is needed to save or read your OTP secret "
        "securely.",
        "Система может запросить доступ к системной связке ключей."));
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        auto add = [&ports, draft = std::move(draft)] {
            return AddToken(ports.repository, ports.secretStore, ports.base32Decoder, ports.clock).execute(draft);
        };
        const OtpAccount account = co_await context_.worker().run(std::move(add));
        if (!alive) co_return;
        co_await context_.recordEvent(SecurityEventKind::accountCreated, account.id, account.label(),
                                      "Account added manually");
        if (!alive) co_return;
        co_await saveGroupsWith(account.tags);
        if (!alive) co_return;
        resetAddForm();
        viewModel.setShowingAddToken(false);
        co_await context_.reloadThrowing();
        if (alive) viewModel.setStatusMessage(context_.text("Token added", "Токен добавлен"));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

void AccountEditing::addManualTag() {
    QuorbitViewModel& viewModel = context_.viewModel();
    std::set<std::string> selected = viewModel.manualSelectedTags();
    addTagFromText(viewModel.manualNewTag(), selected);
    viewModel.setManualSelectedTags(selected);
    viewModel.setManualNewTag({});
}

void AccountEditing::addEditorTag() {
    QuorbitViewModel& viewModel = context_.viewModel();
    std::set<std::string> selected = viewModel.editorSelectedTags();
    addTagFromText(viewModel.editorNewTag(), selected);
    viewModel.setEditorSelectedTags(selected);
    viewModel.setEditorNewTag({});
}

// A tag that matches a group but for letter case selects the group as it is written; a new one
// joins the groups at once, and the group file follows with the next stored account.
void AccountEditing::addTagFromText(const QString& text, std::set<std::string>& selectedTags) {
    const std::vector<std::string> candidates = AccountTags::normalize({text.toStdString()});
    if (candidates.empty()) return;
    const std::string& tag = candidates.front();
    const std::vector<std::string>& groups = context_.viewModel().accountGroups();
    const auto known = std::ranges::find_if(
        groups, [&](const std::string& group) { return UnicodeText::caseInsensitiveEquals(group, tag); });
    if (known != groups.end()) {
        selectedTags.insert(*known);
        return;
    }
    selectedTags.insert(tag);
    std::vector<std::string> grown = groups;
    grown.push_back(tag);
    context_.publishAccountGroups(AccountTags::normalize(grown));
}

void AccountEditing::toggleTag(const std::string& tag, std::set<std::string>& tags) const {
    const std::vector<std::string> candidates = AccountTags::normalize({tag});
    if (candidates.empty()) return;
    if (!tags.erase(candidates.front())) tags.insert(candidates.front());
}

void AccountEditing::beginEditingTags(const OtpAccount& account) {
    QuorbitViewModel& viewModel = context_.viewModel();
    viewModel.setEditingTagsAccount(account);
    viewModel.setEditorOtpType(account.type);
    viewModel.setEditorAlgorithm(account.algorithm);
    viewModel.setEditorDigits(shown(account.digits));
    viewModel.setEditorPeriod(shown(account.period));
    viewModel.setEditorHotpCounter(account.hotpCounter);
    viewModel.setEditorSelectedTags({account.tags.begin(), account.tags.end()});
    viewModel.setEditorNewTag({});
}

void AccountEditing::cancelEditingTags() {
    QuorbitViewModel& viewModel = context_.viewModel();
    viewModel.setEditingTagsAccount(std::nullopt);
    viewModel.setEditorOtpType(OtpType::totp);
    viewModel.setEditorAlgorithm(OtpAlgorithm::sha1);
    viewModel.setEditorDigits(6);
    viewModel.setEditorPeriod(30);
    viewModel.setEditorHotpCounter(0);
    viewModel.setEditorSelectedTags({});
    viewModel.setEditorNewTag({});
}

QCoro::Task<> AccountEditing::saveEditedTags() {
    QuorbitViewModel& viewModel = context_.viewModel();
    if (!viewModel.editingTagsAccount()) co_return;
    const OtpAccount loaded = *viewModel.editingTagsAccount();
    const std::vector<std::string> tags = tagsWith(viewModel.editorSelectedTags(), viewModel.editorNewTag());
    const QPointer<QuorbitViewModel> alive(&viewModel);
    const QuorbitViewModelPorts& ports = context_.ports();
    try {
        auto update = [&ports, id = loaded.id, settings = editedSettings(loaded, tags)] {
            UpdateAccountOtpSettings(ports.repository, ports.clock).execute(id, settings);
        };
        co_await context_.worker().run(std::move(update));
        if (!alive) co_return;
        co_await saveGroupsWith(tags);
        if (!alive) co_return;
        cancelEditingTags();
        co_await context_.reloadThrowing();
        if (alive) viewModel.setStatusMessage(context_.text("Tags updated", "Теги обновлены"));
    } catch (const std::exception& error) {
        if (alive) context_.reportError(error);
    }
}

// A number the user left as the editor showed it is written back as it was stored, also where
// the editor could not hold the stored value.
OtpSettingsDraft AccountEditing::editedSettings(const OtpAccount& loaded, std::vector<std::string> tags) const {
    const QuorbitViewModel& viewModel = context_.viewModel();
    const auto keptOr = [](int edited, std::int64_t stored) -> std::int64_t {
        return edited == shown(stored) ? stored : edited;
    };
    return {.type = viewModel.editorOtpType(),
            .algorithm = viewModel.editorAlgorithm(),
            .digits = keptOr(viewModel.editorDigits(), loaded.digits),
            .period = keptOr(viewModel.editorPeriod(), loaded.period),
            .hotpCounter = std::max<std::int64_t>(viewModel.editorHotpCounter(), 0),
            .tags = std::move(tags)};
}

QCoro::Task<> AccountEditing::saveGroupsWith(const std::vector<std::string>& tags) {
    std::vector<std::string> groups = context_.viewModel().accountGroups();
    groups.insert(groups.end(), tags.begin(), tags.end());
    co_await saveGroups(std::move(groups));
}

// Published only once stored; a selected tag filter that lost its group falls back to all.
QCoro::Task<> AccountEditing::saveGroups(std::vector<std::string> groups) {
    const QPointer<QuorbitViewModel> alive(&context_.viewModel());
    std::vector<std::string> normalized = AccountTags::normalize(groups);
    auto save = [&repository = context_.ports().groupRepository, normalized] { repository.saveGroups(normalized); };
    co_await context_.worker().run(std::move(save));
    if (!alive) co_return;
    context_.publishAccountGroups(std::move(normalized));
    context_.normalizeSelectedFilter();
}

}  // namespace quorbit
