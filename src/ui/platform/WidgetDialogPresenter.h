#pragma once

#include "application/ports/DialogPresenter.h"

namespace quorbit {

// Alerts as QMessageBox, the password prompt as a small dialog, file panels as QFileDialog;
// each one modal over the window of ours that asked (see dialogParent). GUI thread only.
class WidgetDialogPresenter final : public DialogPresenter {
public:
    void showWarning(const std::string& message, const std::string& dismissButtonTitle) override;
    AlertAnswer showAlert(const Alert& alert) override;
    std::optional<SecretBytes> askPassword(const PasswordPrompt& prompt) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenPanel& panel) override;
    std::optional<std::filesystem::path> chooseFileToSave(const SavePanel& panel) override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& prompt) override;
};

}  // namespace quorbit
