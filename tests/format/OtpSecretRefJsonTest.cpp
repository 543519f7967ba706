#include "format/OtpSecretRefJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "format/JsonError.h"
#include "format/JsonReader.h"

namespace quorbit {
namespace {

using nlohmann::json;

TEST(OtpSecretRefJson, IsAnObjectWithRawValue) {
    const OtpSecretRef ref{"ABC-123"};
    EXPECT_EQ(json(ref), json::parse(R"({"rawValue": "ABC-123"})"));
    EXPECT_EQ(JsonReader().decode<OtpSecretRef>(R"({"rawValue": "ABC-123", "extra": 1})"), ref);
    EXPECT_THROW(JsonReader().decode<OtpSecretRef>(R"({"rawValue": 5})"), JsonError);
    EXPECT_THROW(JsonReader().decode<OtpSecretRef>(R"("ABC-123")"), JsonError);
}

}  // namespace
}  // namespace quorbit
