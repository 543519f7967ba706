#include "application/usecases/ExportOtpAuthURIs.h"

namespace quorbit {

ExportOtpAuthURIs::ExportOtpAuthURIs(TokenRepository& repository, SecretStore& secretStore,
                                     const Base32Encoding& encoder, const OtpAuthParsing& parser)
    : repository_(repository), secretStore_(secretStore), encoder_(encoder), parser_(parser) {}

std::vector<SecretBytes> ExportOtpAuthURIs::execute() const {
    std::vector<SecretBytes> uris;
    for (const OtpAccount& account : repository_.loadAccounts()) {
        if (account.isTrashed()) continue;
        const SecretBytes secret = secretStore_.loadSecret(account.secretRef);
        uris.push_back(parser_.makeURI(account, encoder_.encode(secret.view()).asText()));
    }
    return uris;
}

SecretBytes ExportOtpAuthURIs::fileText(const std::vector<SecretBytes>& uris) {
    SecretBytes text;
    for (std::size_t index = 0; index < uris.size(); ++index) {
        if (index > 0) text.push_back('\n');
        text.append(uris[index].view());
    }
    return text;
}

}  // namespace quorbit
