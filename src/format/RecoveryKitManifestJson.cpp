#include "format/RecoveryKitManifestJson.h"

#include <chrono>

#include <nlohmann/json.hpp>

#include "format/JsonObjectReader.h"
#include "format/JsonTypeError.h"

namespace quorbit {
namespace {

constexpr std::chrono::seconds referenceDate{978'307'200};  // 2001-01-01T00:00:00Z in Unix time

using FloatSeconds = std::chrono::duration<double>;

}  // namespace

void to_json(nlohmann::json& json, const RecoveryKitManifest& manifest) {
    const auto sinceReference =
        std::chrono::duration_cast<FloatSeconds>(manifest.createdAt.time_since_epoch() - referenceDate);
    json = nlohmann::json{
        {"appVersion", manifest.appVersion}, {"appBuild", manifest.appBuild}, {"createdAt", sinceReference.count()}};
}

void readJson(const JsonValue& json, RecoveryKitManifest& manifest) {
    const JsonObjectReader reader(json);
    manifest.appVersion = reader.string("appVersion");
    manifest.appBuild = reader.string("appBuild");
    const auto seconds = reader.member("createdAt").number();
    if (!seconds) throw JsonTypeError("member \"createdAt\" must be a number");
    manifest.createdAt =
        TimePoint(std::chrono::duration_cast<TimePoint::duration>(FloatSeconds(*seconds) + referenceDate));
}

}  // namespace quorbit
