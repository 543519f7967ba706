#include "domain/Uuid.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace quorbit {
namespace {

TEST(UuidRandom, IsVersionFourVariantOneAndUnique) {
    const Uuid a = Uuid::random();
    const Uuid b = Uuid::random();
    EXPECT_NE(a, b);
    EXPECT_NE(a, Uuid{});
    EXPECT_EQ(a.bytes()[6] >> 4, 4);
    EXPECT_EQ(a.bytes()[8] >> 6, 2);
    const std::string text = a.toString();
    EXPECT_EQ(text[14], '4');
    EXPECT_EQ(Uuid::parse(text), a);
}

TEST(UuidText, IsUpperCaseAndReadInEitherCase) {
    const auto uuid = Uuid::parse("0b6a9f7e-1c2d-4e5f-8a9b-0c1d2e3f4a5b");
    ASSERT_TRUE(uuid);
    EXPECT_EQ(uuid->toString(), "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B");
    EXPECT_EQ(Uuid::parse("0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B"), uuid);
    EXPECT_EQ(Uuid{}.toString(), "00000000-0000-0000-0000-000000000000");
}

TEST(UuidText, RejectsMalformedText) {
    for (const char* text : {"", "0B6A9F7E1C2D4E5F8A9B0C1D2E3F4A5B", "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5",
                             "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5B0", "0B6A9F7-E1C2D-4E5F-8A9B-0C1D2E3F4A5B",
                             "0B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5G", "{B6A9F7E-1C2D-4E5F-8A9B-0C1D2E3F4A5}",
                             "0B6A9F7E 1C2D-4E5F-8A9B-0C1D2E3F4A5B"}) {
        EXPECT_EQ(Uuid::parse(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace quorbit
