#include "ui/panel/AccountRowMenuItem.h"

#include "ui/kit/LocalizedText.h"

namespace quorbit {

std::vector<AccountRowMenuItem> AccountRowMenuItem::forAccount(const OtpAccount& account, AppLanguage language) {
    const auto text = [language](const char* english, const char* russian) {
        return localized(language, english, russian);
    };
    if (account.isTrashed()) {
        return {
            {text("Restore", "Восстановить"), "arrow.uturn.backward", AccountRowAction::restore},
            {text("Delete Permanently", "Удалить безвозвратно"), "trash", AccountRowAction::deletePermanently, true},
        };
    }
    std::vector<AccountRowMenuItem> items;
    items.push_back({text("Copy Code", "Скопировать код"), "doc.on.doc", AccountRowAction::copy});
    if (account.type == OtpType::hotp) {
        items.push_back({text("Next HOTP code", "Следующий HOTP код"), "forward.frame", AccountRowAction::nextHotp});
    }
    items.push_back(account.isFavorite
                        ? AccountRowMenuItem{text("Unpin", "Открепить"), "pin.slash", AccountRowAction::favorite}
                        : AccountRowMenuItem{text("Pin", "Закрепить"), "pin", AccountRowAction::favorite});
    items.push_back({text("Edit OTP settings", "Изменить настройки OTP"), "slider.horizontal.3",
                     AccountRowAction::editOtpSettings});
    items.push_back({text("Move to Trash", "Переместить в корзину"), "trash", AccountRowAction::trash, true});
    return items;
}

}  // namespace quorbit
