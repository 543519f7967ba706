#include "domain/SecretBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "support/memory/FreedMemoryWatch.h"
#include "support/memory/WatchedSecret.h"

namespace quorbit {
namespace {

TEST(SecretBytesContent, ConstructorsAgreeAndEqualityComparesBytes) {
    const std::array<std::uint8_t, 3> raw{'a', 'b', 'c'};
    EXPECT_EQ(SecretBytes::fromText("abc"), SecretBytes(std::span<const std::uint8_t>(raw)));
    EXPECT_EQ(SecretBytes::fromText("abc"), (SecretBytes{'a', 'b', 'c'}));
    EXPECT_EQ(SecretBytes::fromText("abc").asText(), "abc");
    EXPECT_EQ(SecretBytes(std::size_t{2}), (SecretBytes{0, 0}));
    EXPECT_NE(SecretBytes::fromText("abc"), SecretBytes::fromText("abd"));
    EXPECT_NE(SecretBytes::fromText("abc"), SecretBytes::fromText("ab"));
    EXPECT_TRUE(SecretBytes().empty());
}

TEST(SecretBytesGrowth, KeepsTheContentAcrossReallocations) {
    SecretBytes bytes;
    std::vector<std::uint8_t> expected;
    for (int i = 0; i < 100; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i));
        expected.push_back(static_cast<std::uint8_t>(i));
    }
    const std::array<std::uint8_t, 3> tail{7, 8, 9};
    bytes.append(tail);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(bytes, SecretBytes(std::span<const std::uint8_t>(expected)));
}

TEST(SecretBytesOwnership, CopiesAreIndependentAndMovesEmptyTheSource) {
    SecretBytes original = SecretBytes::fromText("secret");
    SecretBytes copy = original;
    copy.data()[0] = 'S';
    EXPECT_EQ(original.asText(), "secret");
    SecretBytes moved = std::move(original);
    EXPECT_EQ(moved.asText(), "secret");
    EXPECT_TRUE(original.empty());  // NOLINT(bugprone-use-after-move): the moved-from state is the point
    copy = moved;
    EXPECT_EQ(copy, moved);
    copy.clear();
    EXPECT_TRUE(copy.empty());
}

constexpr std::string_view secret = test::watchedSecretBase32;

TEST(SecretBytesWiping, NoBufferItLetsGoOfStillHoldsTheSecret) {
    test::FreedMemoryWatch watch({secret});
    { const std::string plain(secret); }
    ASSERT_EQ(watch.blocksHoldingText(), 1u) << "the watch sees a plain string's freed buffer";

    {
        SecretBytes bytes = SecretBytes::fromText(secret);
        SecretBytes copy = bytes;
        SecretBytes assigned = SecretBytes::fromText("short");
        assigned = copy;
        SecretBytes moved = SecretBytes::fromText("another secret that is longer");
        moved = std::move(copy);
        for (int i = 0; i < 200; ++i) bytes.push_back('x');  // grows through several buffers
        bytes.appendText(secret);
        assigned.clear();
    }
    EXPECT_EQ(watch.blocksHoldingText(), 1u);
}

}  // namespace
}  // namespace quorbit
