#include "ui/kit/SecretFieldText.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "support/memory/WatchedSecretQString.h"

namespace quorbit {
namespace {

TEST(SecretFieldTextTest, TakesTheTypedTextOutOfTheField) {
    QLineEdit field;
    field.setEchoMode(QLineEdit::Password);
    SecretFieldText text(field);
    field.insert(QStringLiteral("пароль & more"));

    const SecretBytes typed = text.take();

    EXPECT_EQ(typed.asText(), "пароль & more");
    EXPECT_TRUE(field.text().isEmpty());
}

// Past its first 30 characters a password field grows its buffer; each one it leaves is wiped.
TEST(SecretFieldTextTest, TakingLeavesNoUnwipedCopyOfTheTypedTextBehind) {
    const QString typed = test::watchedSecretQString();
    test::FreedMemoryWatch watch({test::watchedSecretUtf16, test::watchedSecretBase32});
    {
        QLineEdit field;
        field.setEchoMode(QLineEdit::Password);
        SecretFieldText text(field);
        QTest::keyClicks(&field, typed);
        EXPECT_EQ(text.take().asText(), test::watchedSecretBase32);
    }
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

// A field in normal echo mode keeps a second copy for its text layout; both are wiped.
TEST(SecretFieldTextTest, ShowingAnotherTextLeavesNoUnwipedCopyOfTheTypedOneBehind) {
    const QString typed = test::watchedSecretQString();
    test::FreedMemoryWatch watch({test::watchedSecretUtf16, test::watchedSecretBase32});
    {
        QLineEdit field;
        SecretFieldText text(field);
        QTest::keyClicks(&field, typed);
        text.show(QString());
        EXPECT_TRUE(field.text().isEmpty());
        QTest::keyClicks(&field, typed);  // and typed again when the field goes away
    }
    EXPECT_EQ(watch.blocksHoldingText(), 0u);
}

}  // namespace
}  // namespace quorbit
