#include "ui/OwnerAuthenticationDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "config/AppIdentity.h"

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
    setWindowTitle(QString::fromUtf8(AppIdentity::productName.data(), static_cast<qsizetype>(AppIdentity::productName.size())));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // Cancelling while the stack waits without a question (a fingerprint reader) is
    // remembered and ends the conversation at its next message.
    connect(this, &QDialog::rejected, this, [this] { cancelled_ = true; });
}

void OwnerAuthenticationDialog::makeContent() {
    if (buttons_) return;
    reason_ = plainLabel(this);
    note_ = plainLabel(this);
    prompt_ = plainLabel(this);
    field_ = new QLineEdit(this);
    typed_ = std::make_unique<SecretFieldText>(*field_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : {static_cast<QWidget*>(reason_), static_cast<QWidget*>(note_),
                            static_cast<QWidget*>(prompt_), static_cast<QWidget*>(field_),
                            static_cast<QWidget*>(buttons_)}) {
        layout->addWidget(widget);
    }
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void OwnerAuthenticationDialog::begin(const std::string& reason) {
    onGuiThread([this, text = QString::fromStdString(reason)] {
        makeContent();
        cancelled_ = false;
        reason_->setText(text);
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
        note_->setText(text);
        note_->setForegroundRole(isError ? QPalette::BrightText : QPalette::WindowText);
        note_->show();
        show();
        raise();
        activateWindow();
        goOn = true;
    });
    return goOn;
}

void OwnerAuthenticationDialog::end() {
    onGuiThread([this] {
        if (field_) field_->clear();
        hide();
    });
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

std::optional<SecretBytes> OwnerAuthenticationDialog::askOnGuiThread(const QString& prompt, bool echoInput) {
    if (cancelled_) return std::nullopt;
    makeContent();
    prompt_->setText(prompt);
    prompt_->show();
    field_->clear();
    field_->setEchoMode(echoInput ? QLineEdit::Normal : QLineEdit::Password);
    field_->show();
    field_->setFocus();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(true);
    const bool accepted = exec() == QDialog::Accepted;
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
    SecretBytes typed = typed_->take();  // a cancelled answer is wiped too
    if (!accepted) return std::nullopt;
    return typed;
}

}  // namespace quorbit
