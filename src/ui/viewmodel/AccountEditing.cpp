#include "ui/viewmodel/AccountEditing.h"

#include "ui/viewmodel/ActionContext.h"

namespace quorbit {

AccountEditing::AccountEditing(ActionContext& context) : context_(context) {}

void AccountEditing::resetAddForm() {
}

QCoro::Task<> AccountEditing::addManual() {
    co_return;
}

void AccountEditing::addManualTag() {
}

void AccountEditing::addEditorTag() {
}

void AccountEditing::toggleTag(const std::string& /*tag*/, std::set<std::string>& /*tags*/) const {
}

void AccountEditing::beginEditingTags(const OtpAccount& /*account*/) {
}

void AccountEditing::cancelEditingTags() {
}

QCoro::Task<> AccountEditing::saveEditedTags() {
    co_return;
}

QCoro::Task<> AccountEditing::saveGroups(std::vector<std::string> /*groups*/) {
    co_return;
}

}  // namespace quorbit
