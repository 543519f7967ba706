#include "ui/SecretQString.h"

#include <gtest/gtest.h>

#include "support/memory/WatchedSecretQString.h"

namespace quorbit {
namespace {

// Only the last holder of a shared buffer may overwrite it; an earlier one just lets go.
TEST(SecretQStringTest, WipesABufferItHoldsAloneAndLeavesASharedOneToItsLastHolder) {
    QString alone = test::watchedSecretQString();
    QString shared = test::watchedSecretQString();
    QString otherHolder = shared;
    test::FreedMemoryWatch watch({test::watchedSecretUtf16});

    SecretQString::wipe(alone);
    SecretQString::wipe(shared);
    EXPECT_TRUE(alone.isEmpty());
    EXPECT_TRUE(shared.isEmpty());
    EXPECT_EQ(otherHolder.toStdString(), test::watchedSecretBase32);
    EXPECT_EQ(watch.blocksHoldingText(), 0u);

    otherHolder = QString();
    EXPECT_EQ(watch.blocksHoldingText(), 1u) << "the watch sees a QString's freed buffer";
}

// A field hands over a new text with every edit, and keeps its own until the next one.
TEST(SecretQStringTest, WipesEachTextItReplacesOnceTheFieldHasMovedOn) {
    test::FreedMemoryWatch watch({test::watchedSecretUtf16});
    {
        SecretQString held;
        QString field = test::watchedSecretQString();
        held.assign(field);
        field.append(QLatin1Char('A'));  // the field's edit copies, since the buffer is shared
        held.assign(field);
        field = QString();
        EXPECT_EQ(SecretQString::utf8(held.text()).asText(), std::string(test::watchedSecretBase32) + "A");
    }
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit
