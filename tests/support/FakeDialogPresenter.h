#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "application/ports/DialogPresenter.h"

namespace quorbit::test {

// Answers every alert, prompt and panel from scripts and records what was asked. An alert
// without a scripted answer gets the default answer (the first button); prompts and panels
// without one are cancelled.
class FakeDialogPresenter final : public DialogPresenter {
public:
    void showWarning(const std::string& message, const std::string& dismissButtonTitle) override;
    AlertAnswer showAlert(const Alert& alert) override;
    std::optional<SecretBytes> askPassword(const PasswordPrompt& prompt) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenPanel& panel) override;
    std::optional<std::filesystem::path> chooseFileToSave(const SavePanel& panel) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& prompt) override;

    // Sees every alert as it is shown, before it is answered.
    void observeAlerts(std::function<void(const Alert&)> observer) { alertObserver_ = std::move(observer); }
    void answerAlert(AlertAnswer answer) { alertAnswers_.push_back(answer); }
    void answerAlertWithFirstButton(bool chosen) { alertAnswers_.push_back({chosen, false}); }
    void setDefaultAlertAnswer(AlertAnswer answer) { defaultAlertAnswer_ = answer; }
    void answerPassword(std::optional<SecretBytes> password) { passwords_.push_back(std::move(password)); }
    void answerOpenPanel(std::optional<std::filesystem::path> path) { openPaths_.push_back(std::move(path)); }
    void answerSavePanel(std::optional<std::filesystem::path> path) { savePaths_.push_back(std::move(path)); }
    void answerFolderPanel(std::optional<std::filesystem::path> path) { folders_.push_back(std::move(path)); }

    const std::vector<std::pair<std::string, std::string>>& warnings() const { return warnings_; }
    const std::vector<Alert>& alerts() const { return alerts_; }
    const std::vector<PasswordPrompt>& passwordPrompts() const { return passwordPrompts_; }
    const std::vector<OpenPanel>& openPanels() const { return openPanels_; }
    const std::vector<SavePanel>& savePanels() const { return savePanels_; }
    const std::vector<std::string>& folderPanels() const { return folderPanels_; }

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& script) {
        if (script.empty()) return std::nullopt;
        auto answer = std::move(script.front());
        script.pop_front();
        return answer;
    }

    std::function<void(const Alert&)> alertObserver_;
    std::deque<AlertAnswer> alertAnswers_;
    AlertAnswer defaultAlertAnswer_{true, false};
    std::deque<std::optional<SecretBytes>> passwords_;
    std::deque<std::optional<std::filesystem::path>> openPaths_;
    std::deque<std::optional<std::filesystem::path>> savePaths_;
    std::deque<std::optional<std::filesystem::path>> folders_;
    std::vector<std::pair<std::string, std::string>> warnings_;
    std::vector<Alert> alerts_;
    std::vector<PasswordPrompt> passwordPrompts_;
    std::vector<OpenPanel> openPanels_;
    std::vector<SavePanel> savePanels_;
    std::vector<std::string> folderPanels_;
};

}  // namespace quorbit::test
