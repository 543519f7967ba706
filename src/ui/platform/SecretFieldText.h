#pragma once

#include "domain/SecretBytes.h"

class QLineEdit;

namespace quorbit {

// Moves the typed text out of a secret field: the field is cleared, and the copies made on the
// way (the QString, its UTF-8 form) are wiped as far as Qt lets us reach them.
SecretBytes takeSecretFieldText(QLineEdit& field);

}  // namespace quorbit
