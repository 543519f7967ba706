#pragma once

#include <vector>

#include "application/ports/SecretStore.h"
#include "application/ports/TokenRepository.h"
#include "lib/Base32Encoding.h"
#include "lib/OtpAuthParsing.h"

namespace quorbit {

// The unencrypted export: one otpauth:// URI per account outside the trash.
class ExportOtpAuthURIs {
public:
    ExportOtpAuthURIs(TokenRepository& repository, SecretStore& secretStore, const Base32Encoding& encoder,
                      const OtpAuthParsing& parser);

    // In repository order. The first failing secret load ends the export with its error.
    std::vector<SecretBytes> execute() const;

    // The export file's text: the URIs joined by single line feeds, none after the last.
    static SecretBytes fileText(const std::vector<SecretBytes>& uris);

private:
    TokenRepository& repository_;
    SecretStore& secretStore_;
    const Base32Encoding& encoder_;
    const OtpAuthParsing& parser_;
};

}  // namespace quorbit
