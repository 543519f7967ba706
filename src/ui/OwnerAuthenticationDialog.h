#pragma once

#include <QDialog>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "application/ports/OwnerAuthenticationPrompter.h"
#include "ui/kit/SecretFieldText.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace quorbit {

// The owner-authentication prompt: the reason text, the stack's notes and one field for
// its questions, all as plain text. The unlocker calls it from the worker; every call is
// carried out on the GUI thread, blocking the caller until it is done. Its widgets are made
// on the first prompt, so that start-up does not pay for a dialog most runs never show.
// When the program ends with a prompt open, closeDown() lets the worker's conversation end
// without the GUI thread, which then no longer runs an event loop.
class OwnerAuthenticationDialog : public QDialog, public OwnerAuthenticationPrompter {
    Q_OBJECT

public:
    explicit OwnerAuthenticationDialog(QWidget* parent = nullptr);

    void begin(const std::string& reason) override;
    std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) override;
    bool inform(const std::string& message, bool isError) override;
    void end() override;

    // On the GUI thread, once its event loop has ended: the calls waiting for it return as
    // cancelled (no answer, no going on), and later calls return so at once.
    void closeDown();

private:
    struct GuiCall {
        bool finished = false;
        bool abandoned = false;
        std::condition_variable settled;
    };

    void makeContent();
    // False when the work was not done because the dialog was closed down.
    bool onGuiThread(const std::function<void()>& work);
    std::optional<SecretBytes> askOnGuiThread(const QString& prompt, bool echoInput);

    QLabel* reason_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLineEdit* field_ = nullptr;
    std::unique_ptr<SecretFieldText> typed_;
    QDialogButtonBox* buttons_ = nullptr;
    bool cancelled_ = false;

    std::mutex callsMutex_;
    bool closedDown_ = false;
    std::vector<std::shared_ptr<GuiCall>> waitingCalls_;
};

}  // namespace quorbit
