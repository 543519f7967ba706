#pragma once

#include <QString>

#include <vector>

#include "domain/AppLanguage.h"
#include "domain/OtpAccount.h"
#include "ui/panel/AccountRowAction.h"

namespace quorbit {

// One item of an account row's context menu.
struct AccountRowMenuItem {
    QString text;
    QString symbol;
    AccountRowAction action;
    bool destructive = false;

    // Restore and Delete Permanently for a trashed account; otherwise Copy Code, Next HOTP code
    // (HOTP only), Pin or Unpin, Edit OTP settings and Move to Trash.
    static std::vector<AccountRowMenuItem> forAccount(const OtpAccount& account, AppLanguage language);
};

}  // namespace quorbit
