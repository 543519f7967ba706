#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "domain/SecretBytes.h"

namespace quorbit {

// The program's alerts, password prompt and file panels, behind one interface so tests can
// answer them. Called on the GUI thread; each call returns when the user has answered. The
// texts arrive in the interface language; the presenter shows them as plain text.
class DialogPresenter {
public:
    enum class AlertStyle { informational, warning, critical };

    struct Alert {
        AlertStyle style = AlertStyle::informational;
        std::string message;
        std::string informativeText;
        std::string firstButton;
        std::optional<std::string> cancelButton;   // a second button that answers "not the first"
        std::optional<std::string> checkBoxTitle;  // shown below the texts when present
        bool checkBoxChecked = false;              // its state when the alert opens
        // The first button destroys: Return and Escape answer the cancel button, so only a
        // deliberate choice of the first one goes on.
        bool destructive = false;

        bool operator==(const Alert&) const = default;
    };

    struct AlertAnswer {
        bool firstButtonChosen = false;
        bool checkBoxChecked = false;

        bool operator==(const AlertAnswer&) const = default;
    };

    struct PasswordPrompt {
        std::string title;
        std::string prompt;
        std::string placeholder;
        std::string continueButton;
        std::string cancelButton;

        bool operator==(const PasswordPrompt&) const = default;
    };

    // What an open panel offers to pick.
    enum class FileKind { anyFile, image, text };

    struct OpenPanel {
        std::string title;
        FileKind kind = FileKind::anyFile;
        // Names the filter of every file of the kind, which the panel offers first ("Images").
        std::string kindName = {};

        bool operator==(const OpenPanel&) const = default;
    };

    struct SavePanel {
        std::string title;
        std::string proposedName;

        bool operator==(const SavePanel&) const = default;
    };

    virtual ~DialogPresenter() = default;

    // A warning with one button that dismisses it.
    virtual void showWarning(const std::string& message, const std::string& dismissButtonTitle) = 0;
    virtual AlertAnswer showAlert(const Alert& alert) = 0;
    // The typed password; none when cancelled or left empty.
    virtual std::optional<SecretBytes> askPassword(const PasswordPrompt& prompt) = 0;
    // The chosen path; none when cancelled.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const OpenPanel& panel) = 0;
    virtual std::optional<std::filesystem::path> chooseFileToSave(const SavePanel& panel) = 0;
    // `prompt` is the title of the panel's choosing button.
    virtual std::optional<std::filesystem::path> chooseFolder(const std::string& prompt) = 0;
};

}  // namespace quorbit
