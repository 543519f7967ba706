#include "support/FakeDialogPresenter.h"

namespace quorbit::test {

void FakeDialogPresenter::showWarning(const std::string& message, const std::string& dismissButtonTitle) {
    warnings_.emplace_back(message, dismissButtonTitle);
}

DialogPresenter::AlertAnswer FakeDialogPresenter::showAlert(const Alert& alert) {
    alerts_.push_back(alert);
    if (alertObserver_) alertObserver_(alert);
    if (alertAnswers_.empty()) return defaultAlertAnswer_;
    const AlertAnswer answer = alertAnswers_.front();
    alertAnswers_.pop_front();
    return answer;
}

std::optional<SecretBytes> FakeDialogPresenter::askPassword(const PasswordPrompt& prompt) {
    passwordPrompts_.push_back(prompt);
    return next(passwords_);
}

std::optional<std::filesystem::path> FakeDialogPresenter::chooseFileToOpen(const OpenPanel& panel) {
    openPanels_.push_back(panel);
    return next(openPaths_);
}

std::optional<std::filesystem::path> FakeDialogPresenter::chooseFileToSave(const SavePanel& panel) {
    savePanels_.push_back(panel);
    return next(savePaths_);
}

std::optional<std::filesystem::path> FakeDialogPresenter::chooseFolder(const std::string& prompt) {
    folderPanels_.push_back(prompt);
    return next(folders_);
}

}  // namespace quorbit::test
