#include "format/BackupEnvelopeForInfoJson.h"

#include <nlohmann/json.hpp>

#include "format/JsonObjectReader.h"

namespace quorbit {

void to_json(nlohmann::json& json, const BackupEnvelopeForInfo& envelope) {
    json =
        nlohmann::json{{"version", envelope.version},     {"kdf", envelope.kdf},   {"iterations", envelope.iterations},
                       {"saltBytes", envelope.saltBytes}, {"salt", envelope.salt}, {"sealedBox", envelope.sealedBox}};
}

void readJson(const JsonValue& json, BackupEnvelopeForInfo& envelope) {
    const JsonObjectReader reader(json);
    envelope.version = reader.int64("version");
    envelope.kdf = reader.string("kdf");
    envelope.iterations = reader.int64("iterations");
    envelope.saltBytes = reader.int64("saltBytes");
    envelope.salt = reader.string("salt");
    envelope.sealedBox = reader.string("sealedBox");
}

}  // namespace quorbit
