#pragma once

#include <QMetaObject>
#include <QString>

#include "domain/SecretBytes.h"
#include "ui/SecretQString.h"

class QLineEdit;

namespace quorbit {

// The text of a field that takes a secret. It holds the field's current text and the copy its
// text layout draws from, following every edit, so each buffer the field lets go of is wiped
// (see SecretQString). The field must outlive it. Qt's per-character copies (key events, the
// undo history) are out of reach.
class SecretFieldText {
public:
    explicit SecretFieldText(QLineEdit& field);
    SecretFieldText(const SecretFieldText&) = delete;
    SecretFieldText& operator=(const SecretFieldText&) = delete;
    ~SecretFieldText();

    // Sets the field's text, when it differs, without the field's signals.
    void show(const QString& text);
    // Moves the typed text out and leaves the field empty.
    SecretBytes take();

private:
    void holdCurrent();

    QLineEdit& field_;
    SecretQString text_;
    SecretQString displayed_;
    QMetaObject::Connection edits_;
};

}  // namespace quorbit
