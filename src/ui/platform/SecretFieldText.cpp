#include "ui/platform/SecretFieldText.h"

#include <QLineEdit>

#include <openssl/crypto.h>

namespace quorbit {

SecretBytes takeSecretFieldText(QLineEdit& field) {
    QString text = field.text();
    // Once the field lets go of its text, ours is the only reference and can be wiped in place.
    field.clear();
    QByteArray utf8 = text.toUtf8();
    auto secret = SecretBytes::fromText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    OPENSSL_cleanse(utf8.data(), static_cast<std::size_t>(utf8.size()));
    OPENSSL_cleanse(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    return secret;
}

}  // namespace quorbit
