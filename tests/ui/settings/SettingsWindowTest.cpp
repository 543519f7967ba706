#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

#include "SettingsWindowFixture.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsPicker.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::settings;

class SettingsWindowTest : public SettingsWindowFixture {
protected:
    QStringList tabLabels() const {
        QStringList labels;
        for (const char* name : {names::languageTabButton, names::securityTabButton, names::importExportTabButton,
                                 names::behaviorTabButton, names::appTabButton, names::aboutTabButton}) {
            labels.append(find<QAbstractButton>(name)->accessibleName());
        }
        return labels;
    }
};

TEST_F(SettingsWindowTest, OpensOnLanguageAtItsIdealSizeAndSwitchesPagesByItsTabs) {
    SettingsWindow& settings = open();
    EXPECT_EQ(settings.size(), SettingsWindow::idealWindowSize);
    EXPECT_EQ(settings.minimumSize(), SettingsWindow::minimumWindowSize);
    EXPECT_EQ(settings.currentTab(), 0);

    showTab(names::behaviorTabButton);
    EXPECT_EQ(settings.currentTab(), 3);
    EXPECT_TRUE(find<QAbstractButton>(names::behaviorTabButton)->isChecked());
    EXPECT_FALSE(find<QAbstractButton>(names::languageTabButton)->isChecked());
}

TEST_F(SettingsWindowTest, TheLanguageSettingRelabelsTheTabsTitleAndPagesAtOnce) {
    SettingsWindow& settings = open();
    EXPECT_EQ(tabLabels(), (QStringList{"Language", "Security", "Import / Export", "Behavior", "App", "About"}));
    EXPECT_EQ(settings.windowTitle(), "Settings");

    AppSettings russian = viewModel->settings();
    russian.language = AppLanguage::russian;
    viewModel->setSettings(russian);

    EXPECT_EQ(tabLabels(),
              (QStringList{"Язык", "Безопасность", "Импорт / Экспорт", "Поведение", "Приложение", "О программе"}));
    EXPECT_EQ(settings.windowTitle(), "Настройки");
    const std::pair<const char*, QString> headers[] = {
        {names::languagePage, "Язык"},
        {names::securityPage, "Безопасность"},
        {names::importExportPage, "Импорт / Экспорт"},
        {names::behaviorPage, "Поведение"},
        {names::appPage, "Приложение"},
    };
    for (const auto& [page, title] : headers) EXPECT_EQ(findOn<SettingsHeader>(page, names::header)->title(), title);
    EXPECT_EQ(writes.size(), 2u);  // the switch itself; nothing written back
}

TEST_F(SettingsWindowTest, ChoosingALanguageWritesItOnce) {
    open();
    auto* segments = find<SettingsPicker>(names::languagePicker)->findChild<SegmentedControl*>();
    ASSERT_NE(segments, nullptr);
    EXPECT_EQ(segments->segments(), (QStringList{"English", "Русский"}));

    QTest::mouseClick(segments->segment(1), Qt::LeftButton);

    EXPECT_EQ(viewModel->settings().language, AppLanguage::russian);
    EXPECT_EQ(segments->segments(), (QStringList{"English", "Русский"}));
    EXPECT_EQ(segments->currentIndex(), 1);
    EXPECT_EQ(writes.size(), 2u);
}

TEST_F(SettingsWindowTest, EveryPageShowsTheStatusLineOnlyWhileThereIsAStatus) {
    open();
    const char* const pages[] = {names::languagePage, names::securityPage, names::importExportPage, names::behaviorPage,
                                 names::appPage};
    for (const char* page : pages) EXPECT_TRUE(findOn<QWidget>(page, names::statusLine)->isHidden()) << page;

    viewModel->setStatusMessage(QStringLiteral("A status that is long enough to need more than one line of the page "
                                               "to be read in full, without being cut off at the side"));
    for (const char* page : pages) {
        auto* status = findOn<QLabel>(page, names::statusLine);
        EXPECT_FALSE(status->isHidden()) << page;  // pages out of view are hidden as a whole
        EXPECT_TRUE(status->wordWrap());
        EXPECT_TRUE(status->text().startsWith("A status"));
    }
}

}  // namespace
}  // namespace quorbit::test
