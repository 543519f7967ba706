#include <QFileDialog>

#include "screens/ScreenRegistry.h"
#include "ui/platform/AlertBox.h"
#include "ui/platform/OwnerAuthenticationDialog.h"
#include "ui/platform/PasswordDialog.h"
#include "ui/viewmodel/UnlockPurpose.h"

namespace quorbit::screens {
namespace {

std::string text(const ScreenContext& context, const char* english, const char* russian) {
    return context.language == AppLanguage::russian ? russian : english;
}

const ScreenRegistration passwordScreen("platform-password-prompt", [](const ScreenContext& context) {
    DialogPresenter::PasswordPrompt prompt{
        .title = text(context, "Backup password", "Пароль резервной копии"),
        .prompt =
            text(context, "Enter a password to encrypt the backup.", "Введите пароль для шифрования резервной копии."),
        .placeholder = text(context, "Password", "Пароль"),
        .continueButton = text(context, "Export", "Экспорт"),
        .cancelButton = text(context, "Cancel", "Отмена"),
    };
    return std::make_unique<PasswordDialog>(prompt);
});

const ScreenRegistration alertScreen("platform-alert", [](const ScreenContext& context) {
    DialogPresenter::Alert alert{
        .style = DialogPresenter::AlertStyle::critical,
        .message = text(context, "Delete all tokens?", "Удалить все токены?"),
        .informativeText = text(context, "This removes every account & its secret from this computer.",
                                "Все аккаунты и их секреты будут удалены с этого компьютера."),
        .firstButton = text(context, "Delete & Continue", "Удалить"),
        .cancelButton = text(context, "Cancel", "Отмена"),
        .checkBoxTitle = text(context, "Also clear the security log", "Также очистить журнал безопасности"),
        .checkBoxChecked = false,
        .destructive = true,
    };
    return std::make_unique<AlertBox>(alert);
});

// Qt's own texts: the standard buttons of the unlock prompt and the file dialog.
const ScreenRegistration ownerAuthenticationScreen("platform-owner-authentication", [](const ScreenContext& context) {
    auto dialog = std::make_unique<OwnerAuthenticationDialog>();
    dialog->setLanguage(context.language);
    dialog->begin(text(context, "Unlock locally to view and copy authentication codes.",
                       "Разблокируйте для просмотра и копирования кодов."));
    return dialog;
});

const ScreenRegistration saveFileScreen("platform-save-file", [](const ScreenContext& context) {
    auto dialog = std::make_unique<QFileDialog>(nullptr, QString::fromStdString(text(context, "Export", "Экспорт")),
                                                QStringLiteral(QUORBIT_FIXTURES_DIR));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->resize(640, 420);
    return dialog;
});

// The owner's prompt after a refused password, waiting for the next try.
const ScreenRegistration ownerPromptScreen("platform-owner-prompt-refused", [](const ScreenContext& context) {
    auto dialog = std::make_unique<OwnerAuthenticationDialog>();
    dialog->setLanguage(context.language);
    dialog->begin(unlockReason(UnlockPurpose::exportAccounts, context.language));
    dialog->answerRefused();
    dialog->presentQuestion(QStringLiteral("Password: "), false);
    return dialog;
});

}  // namespace
}  // namespace quorbit::screens
