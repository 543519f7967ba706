#include "ui/platform/OwnerAuthenticationDialog.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "config/AppIdentity.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"

namespace quorbit {

namespace {

QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

OwnerAuthenticationDialog::OwnerAuthenticationDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(
        QString::fromUtf8(AppIdentity::productName.data(), static_cast<qsizetype>(AppIdentity::productName.size())));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    // Cancelling while the stack waits without a question (a fingerprint reader) is
    // remembered and ends the conversation at its next message.
    connect(this, &QDialog::rejected, this, [this] {
        cancelled_ = true;
        if (answering_) answering_->quit();
    });
}

void OwnerAuthenticationDialog::makeContent() {
    if (buttons_) return;
    reason_ = plainLabel(this);
    wantedPassword_ = plainLabel(this);
    note_ = plainLabel(this);
    prompt_ = plainLabel(this);
    field_ = new QLineEdit(this);
    typed_ = std::make_unique<SecretFieldText>(*field_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget :
         {static_cast<QWidget*>(reason_), static_cast<QWidget*>(wantedPassword_), static_cast<QWidget*>(note_),
          static_cast<QWidget*>(prompt_), static_cast<QWidget*>(field_), static_cast<QWidget*>(buttons_)}) {
        layout->addWidget(widget);
    }
    // An answer ends the wait but not the dialog, which stays up while the stack checks it.
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        answered_ = true;
        if (answering_) answering_->quit();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void OwnerAuthenticationDialog::begin(const std::string& reason) {
    onGuiThread([this, text = QString::fromStdString(reason)] {
        makeContent();
        cancelled_ = false;
        reason_->setText(text);
        wantedPassword_->setText(
            localized(language_, "Enter your login password", "Введите пароль для входа в систему"));
        QPalette secondary = wantedPassword_->palette();
        secondary.setColor(QPalette::WindowText, Palette(palette()).secondaryText());
        wantedPassword_->setPalette(secondary);
        note_->clear();
        note_->hide();
        prompt_->hide();
        field_->hide();
        buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
    });
}

std::optional<SecretBytes> OwnerAuthenticationDialog::answer(const std::string& prompt, bool echoInput) {
    std::optional<SecretBytes> typed;
    onGuiThread([&] { typed = askOnGuiThread(QString::fromStdString(prompt), echoInput); });
    return typed;
}

bool OwnerAuthenticationDialog::inform(const std::string& message, bool isError) {
    bool goOn = false;
    onGuiThread([&, text = QString::fromStdString(message)] {
        if (cancelled_) return;
        makeContent();
        showNote(text, isError);
        showOnTop();
        goOn = true;
    });
    return goOn;
}

void OwnerAuthenticationDialog::answerRefused() {
    onGuiThread([this] {
        if (cancelled_) return;
        makeContent();
        showNote(localized(language_, "Incorrect password", "Неверный пароль"), true);
    });
}

void OwnerAuthenticationDialog::end() {
    onGuiThread([this] {
        if (field_) field_->clear();
        hide();
    });
}

void OwnerAuthenticationDialog::presentQuestion(const QString& prompt, bool echoInput) {
    makeContent();
    prompt_->setText(prompt);
    prompt_->show();
    field_->clear();
    field_->setEchoMode(echoInput ? QLineEdit::Normal : QLineEdit::Password);
    field_->setEnabled(true);
    field_->show();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(true);
}

void OwnerAuthenticationDialog::showNote(const QString& text, bool isError) {
    note_->setText(text);
    QPalette colors = note_->palette();
    colors.setColor(QPalette::WindowText, isError ? Palette(palette()).red() : palette().color(QPalette::WindowText));
    note_->setPalette(colors);
    note_->show();
}

void OwnerAuthenticationDialog::showOnTop() {
    show();
    raise();
    activateWindow();
}

// A queued call and a wait of our own rather than a blocking queued connection, so that
// closeDown() can release a worker whose call the GUI thread will never run.
bool OwnerAuthenticationDialog::onGuiThread(const std::function<void()>& work) {
    if (QThread::currentThread() == thread()) {
        work();
        return true;
    }
    const auto call = std::make_shared<GuiCall>();
    {
        const std::lock_guard lock(callsMutex_);
        if (closedDown_) return false;
        waitingCalls_.push_back(call);
    }
    QMetaObject::invokeMethod(
        this,
        [this, call, &work] {
            {
                const std::lock_guard lock(callsMutex_);
                if (call->abandoned) return;  // the caller has gone; `work` with it
            }
            work();
            const std::lock_guard lock(callsMutex_);
            call->finished = true;
            call->settled.notify_one();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(callsMutex_);
    call->settled.wait(lock, [&] { return call->finished || call->abandoned; });
    std::erase(waitingCalls_, call);
    return call->finished;
}

void OwnerAuthenticationDialog::closeDown() {
    const std::lock_guard lock(callsMutex_);
    closedDown_ = true;
    for (const auto& call : waitingCalls_) {
        call->abandoned = true;
        call->settled.notify_one();
    }
}

// The wait ends with an answer, a cancel, or the program's end, which leaves every loop.
std::optional<SecretBytes> OwnerAuthenticationDialog::askOnGuiThread(const QString& prompt, bool echoInput) {
    if (cancelled_) return std::nullopt;
    presentQuestion(prompt, echoInput);
    showOnTop();
    field_->setFocus();
    QEventLoop answering;
    answering_ = &answering;
    answered_ = false;
    answering.exec(QEventLoop::DialogExec);
    answering_ = nullptr;
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
    field_->setEnabled(false);
    SecretBytes typed = typed_->take();  // a cancelled answer is wiped too
    if (!answered_ || cancelled_) return std::nullopt;
    return typed;
}

}  // namespace quorbit
