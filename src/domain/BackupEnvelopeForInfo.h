#pragma once

#include <cstdint>
#include <string>

namespace quorbit {

// Read-only mirror of the encrypted backup's envelope, for the import summary. Decoding
// only checks presence and types; the import checks the values.
struct BackupEnvelopeForInfo {
    std::int64_t version = 0;
    std::string kdf;
    std::int64_t iterations = 0;
    std::int64_t saltBytes = 0;
    std::string salt;
    std::string sealedBox;

    bool operator==(const BackupEnvelopeForInfo&) const = default;
};

}  // namespace quorbit
