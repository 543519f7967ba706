#include "screens/ScreenRegistry.h"
#include "ui/platform/AlertBox.h"
#include "ui/platform/PasswordDialog.h"

namespace quorbit::screens {
namespace {

std::string text(const ScreenContext& context, const char* english, const char* russian) {
    return context.language == AppLanguage::russian ? russian : english;
}

const ScreenRegistration passwordScreen("platform-password-prompt", [](const ScreenContext& context) {
    DialogPresenter::PasswordPrompt prompt{
        .title = text(context, "Backup password", "Пароль резервной копии"),
        .prompt = text(context, "Enter a password to encrypt the backup.", "Введите пароль для шифрования резервной копии."),
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
    };
    return std::make_unique<AlertBox>(alert);
});

}  // namespace
}  // namespace quorbit::screens
