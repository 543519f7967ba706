#include "ui/platform/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/platform/PlainButtonText.h"

namespace quorbit {
PasswordDialog::PasswordDialog(const DialogPresenter::PasswordPrompt& prompt, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(this)), typed_(*field_) {
    setWindowTitle(QString::fromStdString(prompt.title));
    if (!parent) setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* title = new QLabel(QString::fromStdString(prompt.title), this);
    title->setTextFormat(Qt::PlainText);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* text = new QLabel(QString::fromStdString(prompt.prompt), this);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    field_->setObjectName(objectnames::platform::passwordField);
    field_->setEchoMode(QLineEdit::Password);
    field_->setPlaceholderText(QString::fromStdString(prompt.placeholder));
    field_->setMinimumWidth(280);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* goOn = buttons->addButton(plainButtonText(prompt.continueButton), QDialogButtonBox::AcceptRole);
    buttons->addButton(plainButtonText(prompt.cancelButton), QDialogButtonBox::RejectRole);
    goOn->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<SecretBytes> PasswordDialog::ask() {
    const bool accepted = exec() == QDialog::Accepted;
    SecretBytes typed = typed_.take();
    if (!accepted || typed.empty()) return std::nullopt;
    return typed;
}

}  // namespace quorbit
