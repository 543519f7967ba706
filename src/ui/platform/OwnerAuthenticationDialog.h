#pragma once

#include <QDialog>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "application/ports/OwnerAuthenticationPrompter.h"
#include "domain/AppLanguage.h"
#include "ui/kit/SecretFieldText.h"

class QDialogButtonBox;
class QEventLoop;
class QLabel;
class QLineEdit;

namespace quorbit {

// The owner-authentication prompt: the reason text, which password it wants, the stack's
// notes and one field for its questions, all as plain text. It stays open from the first
// question to the end of the conversation, also while the stack checks an answer and when it
// refuses one. The unlocker calls it from the worker; every call is carried out on the GUI
// thread, blocking the caller until it is done. Its widgets are made on the first prompt, so
// that start-up does not pay for a dialog most runs never show. When the program ends with a
// prompt open, closeDown() lets the worker's conversation end without the GUI thread, which
// then no longer runs an event loop.
class OwnerAuthenticationDialog : public QDialog, public OwnerAuthenticationPrompter {
    Q_OBJECT

public:
    explicit OwnerAuthenticationDialog(QWidget* parent = nullptr);

    void begin(const std::string& reason) override;
    std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) override;
    bool inform(const std::string& message, bool isError) override;
    void answerRefused() override;
    void end() override;

    // The language of its own texts; set on the GUI thread, used from the next prompt on.
    void setLanguage(AppLanguage language) { language_ = language; }
    // On the GUI thread: lays out a question without waiting for its answer (answer() starts
    // with it; pictures of the dialog use it alone).
    void presentQuestion(const QString& prompt, bool echoInput);

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
    void showNote(const QString& text, bool isError);
    void showOnTop();
    // False when the work was not done because the dialog was closed down.
    bool onGuiThread(const std::function<void()>& work);
    std::optional<SecretBytes> askOnGuiThread(const QString& prompt, bool echoInput);

    QLabel* reason_ = nullptr;
    QLabel* wantedPassword_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLineEdit* field_ = nullptr;
    std::unique_ptr<SecretFieldText> typed_;
    QDialogButtonBox* buttons_ = nullptr;
    bool cancelled_ = false;
    AppLanguage language_ = AppLanguage::english;
    // The loop that waits for the owner's answer, while one does.
    QEventLoop* answering_ = nullptr;
    bool answered_ = false;

    std::mutex callsMutex_;
    bool closedDown_ = false;
    std::vector<std::shared_ptr<GuiCall>> waitingCalls_;
};

}  // namespace quorbit
