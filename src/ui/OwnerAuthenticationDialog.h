#pragma once

#include <QDialog>

#include <functional>

#include "application/ports/OwnerAuthenticationPrompter.h"
#include "ui/kit/SecretFieldText.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace quorbit {

// The owner-authentication prompt: the reason text, the stack's notes and one field for
// its questions, all as plain text. The unlocker calls it from the worker; every call is
// carried out on the GUI thread, blocking the caller until it is done.
class OwnerAuthenticationDialog : public QDialog, public OwnerAuthenticationPrompter {
    Q_OBJECT

public:
    explicit OwnerAuthenticationDialog(QWidget* parent = nullptr);

    void begin(const std::string& reason) override;
    std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) override;
    bool inform(const std::string& message, bool isError) override;
    void end() override;

private:
    void onGuiThread(const std::function<void()>& work);
    std::optional<SecretBytes> askOnGuiThread(const QString& prompt, bool echoInput);

    QLabel* reason_;
    QLabel* note_;
    QLabel* prompt_;
    QLineEdit* field_;
    SecretFieldText typed_;
    QDialogButtonBox* buttons_;
    bool cancelled_ = false;
};

}  // namespace quorbit
