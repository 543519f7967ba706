#pragma once

#include "domain/BackupAccount.h"
#include "domain/OtpAccount.h"

namespace quorbit {

class JsonTextWriter;

// One account as a JSON object, for the account list and for the backup payload. Both forms
// share every member but the secret's (the list's "secretRef", the backup's "secretBase32"),
// and print their keys sorted, as the document form did, so files keep their bytes.
class AccountJsonWriter {
public:
    AccountJsonWriter() = delete;

    static void write(const OtpAccount& account, JsonTextWriter& json);
    static void write(const BackupAccount& account, JsonTextWriter& json);
};

}  // namespace quorbit
