#pragma once

namespace quorbit {

// What a click on an account row or one of its menu items asks the host to do.
enum class AccountRowAction { primary, copy, nextHotp, favorite, editOtpSettings, trash, restore, deletePermanently };

}  // namespace quorbit
