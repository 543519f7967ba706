#pragma once

#include <optional>

#include <QDialog>

#include "application/ports/DialogPresenter.h"
#include "ui/kit/SecretFieldText.h"

class QLineEdit;

namespace quorbit {

// The password prompt of backups and exports: title, prompt, one hidden field, and the two
// buttons as the caller names them.
class PasswordDialog final : public QDialog {
    Q_OBJECT

public:
    PasswordDialog(const DialogPresenter::PasswordPrompt& prompt, QWidget* parent = nullptr);

    // Runs the dialog; the typed password, or none when cancelled or left empty.
    std::optional<SecretBytes> ask();

private:
    QLineEdit* field_;
    SecretFieldText typed_;
};

}  // namespace quorbit
