#pragma once

#include <QString>

#include "domain/SecretBytes.h"

namespace quorbit {

// The text of a secret field. Qt shares string buffers between copies, so only the last holder
// of a buffer may overwrite it: this one overwrites each buffer it lets go of when it holds it
// alone. Holding the field's latest text also makes the field copy its text on the next edit
// instead of growing its buffer in place, so the buffers an edit leaves behind end here.
class SecretQString {
public:
    SecretQString() = default;
    SecretQString(const SecretQString&) = delete;
    SecretQString& operator=(const SecretQString&) = delete;
    ~SecretQString();

    const QString& text() const { return text_; }
    // The previous buffer is wiped when no one else holds it.
    void assign(const QString& text);

    // Overwrites the whole buffer of `text` when `text` is its only holder, then empties `text`.
    static void wipe(QString& text);
    // The UTF-8 form in a wiping buffer; the conversion's own buffer is wiped.
    static SecretBytes utf8(const QString& text);

private:
    QString text_;
};

}  // namespace quorbit
