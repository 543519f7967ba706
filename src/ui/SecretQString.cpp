#include "ui/SecretQString.h"

#include <utility>

#include <QByteArray>

#include <openssl/crypto.h>

namespace quorbit {

SecretQString::~SecretQString() { wipe(text_); }

void SecretQString::assign(const QString& text) {
    QString previous = std::exchange(text_, text);
    wipe(previous);
}

void SecretQString::wipe(QString& text) {
    if (text.isDetached() && text.capacity() > 0) {
        OPENSSL_cleanse(text.data(), static_cast<std::size_t>(text.capacity()) * sizeof(QChar));
    }
    text = QString();
}

SecretBytes SecretQString::utf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    SecretBytes secret =
        SecretBytes::fromText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (bytes.isDetached() && bytes.capacity() > 0) {
        OPENSSL_cleanse(bytes.data(), static_cast<std::size_t>(bytes.capacity()));
    }
    return secret;
}

}  // namespace quorbit
