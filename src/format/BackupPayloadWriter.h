#pragma once

#include <string>

#include "domain/BackupPayload.h"

namespace quorbit {

// The payload's JSON text, the same as its document form prints, written in one pass into the
// buffer that is sealed and then wiped, so no copy of a secret is left in freed document nodes.
class BackupPayloadWriter {
public:
    static void write(const BackupPayload& payload, std::string& output);
};

}  // namespace quorbit
