#include "ui/kit/SecretFieldText.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace quorbit {

SecretFieldText::SecretFieldText(QLineEdit& field)
    : field_(field), edits_(QObject::connect(&field, &QLineEdit::textEdited, &field, [this] { holdCurrent(); })) {
    holdCurrent();
}

// The field outlives this (it is the owner's child), so what is left in it is wiped here.
SecretFieldText::~SecretFieldText() {
    QObject::disconnect(edits_);
    show(QString());
}

void SecretFieldText::show(const QString& text) {
    if (field_.text() == text) return;
    {
        const QSignalBlocker block(&field_);
        field_.setText(text);
    }
    holdCurrent();
}

SecretBytes SecretFieldText::take() {
    SecretBytes secret = SecretQString::utf8(field_.text());
    show(QString());
    return secret;
}

// Holding the buffers makes the field copy on its next change instead of changing them in
// place, and leaves this the last holder of the ones it drops.
void SecretFieldText::holdCurrent() {
    text_.assign(field_.text());
    displayed_.assign(field_.displayText());
}

}  // namespace quorbit
