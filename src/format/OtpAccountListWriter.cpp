#include "format/OtpAccountListWriter.h"

#include "format/AccountJsonWriter.h"
#include "format/JsonTextWriter.h"

namespace quorbit {

std::string OtpAccountListWriter::text(const std::vector<OtpAccount>& accounts, int indent) {
    constexpr std::size_t typicalAccountBytes = 480;  // one growth at most, not a dozen copies
    std::string output;
    output.reserve(16 + accounts.size() * typicalAccountBytes);
    JsonTextWriter json(output, indent);
    json.beginArray();
    for (const OtpAccount& account : accounts) AccountJsonWriter::write(account, json);
    json.endArray();
    return output;
}

}  // namespace quorbit
