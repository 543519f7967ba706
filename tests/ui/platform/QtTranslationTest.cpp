#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "support/ui/ViewModelHarness.h"
#include "ui/platform/QtTranslation.h"

namespace quorbit {
namespace {

void chooseLanguage(QuorbitViewModel& viewModel, AppLanguage language) {
    AppSettings settings = viewModel.settings();
    settings.language = language;
    viewModel.setSettings(settings);
    QCoreApplication::processEvents();
}

QString cancelText(const QDialogButtonBox& buttons) { return buttons.button(QDialogButtonBox::Cancel)->text(); }

// Qt's standard buttons follow the language setting at run time, in boxes made before the
// switch as in those made after it, and back.
TEST(QtTranslationTest, StandardButtonsFollowTheLanguageSetting) {
    test::ViewModelHarness harness;
    QuorbitViewModel& viewModel = harness.makeViewModel();
    QtTranslation translation;
    translation.follow(viewModel);
    QDialogButtonBox earlier(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(cancelText(earlier), QStringLiteral("Cancel"));

    chooseLanguage(viewModel, AppLanguage::russian);
    EXPECT_EQ(cancelText(earlier), QStringLiteral("Отмена"));
    EXPECT_EQ(cancelText(QDialogButtonBox(QDialogButtonBox::Cancel)), QStringLiteral("Отмена"));

    chooseLanguage(viewModel, AppLanguage::english);
    EXPECT_EQ(cancelText(earlier), QStringLiteral("Cancel"));
    EXPECT_EQ(cancelText(QDialogButtonBox(QDialogButtonBox::Cancel)), QStringLiteral("Cancel"));
}

// The catalogue is gone with the object: nothing keeps translating into a language the
// program no longer follows.
TEST(QtTranslationTest, EndingRestoresQtsOwnTexts) {
    {
        QtTranslation translation;
        translation.setLanguage(AppLanguage::russian);
        ASSERT_EQ(cancelText(QDialogButtonBox(QDialogButtonBox::Cancel)), QStringLiteral("Отмена"));
    }
    EXPECT_EQ(cancelText(QDialogButtonBox(QDialogButtonBox::Cancel)), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace quorbit
