#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "PanelFixture.h"
#include "ui/ObjectNames.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

class FilterMenuTest : public PanelFixture {
protected:
    QStringList items() const {
        QStringList texts;
        auto* menu = find<QComboBox>(names::filterMenu);
        for (int i = 0; i < menu->count(); ++i) texts << menu->itemText(i);
        return texts;
    }
};

TEST_F(FilterMenuTest, OffersTrashOnlyWhileTrashedTokensAreShown) {
    storeAccounts(sampleAccounts());
    AppSettings settings;
    settings.language = AppLanguage::english;
    makePanel(settings, true);
    EXPECT_TRUE(items().contains(QStringLiteral("Trash")));
    settings = viewModel->settings();
    settings.showTrashedTokens = false;
    viewModel->setSettings(settings);
    EXPECT_FALSE(items().contains(QStringLiteral("Trash")));
    EXPECT_TRUE(items().contains(QStringLiteral("Work")));
}

TEST_F(FilterMenuTest, ASavedTagFilterSurvivesTicksWithoutWritingTheSettings) {
    storeAccounts(sampleAccounts());
    AppSettings settings;
    settings.selectedAccountFilter = AccountFilterSelection::tag("Work");
    makePanel(settings, true);
    const std::size_t saves = settingsStore.saves().size();
    for (int tick = 0; tick < 3; ++tick) run(viewModel->refreshTick());
    run(viewModel->reload());
    auto* menu = find<QComboBox>(names::filterMenu);
    EXPECT_EQ(menu->currentText(), QStringLiteral("Work"));
    EXPECT_EQ(viewModel->settings().selectedAccountFilter, AccountFilterSelection::tag("Work"));
    EXPECT_EQ(settingsStore.saves().size(), saves);
}

TEST_F(FilterMenuTest, ChoosingAFilterWritesTheSettingsOnce) {
    storeAccounts(sampleAccounts());
    PanelView& view = makePanel({}, true);
    view.show();
    const std::size_t saves = settingsStore.saves().size();
    auto* menu = find<QComboBox>(names::filterMenu);
    ASSERT_EQ(menu->currentIndex(), 0);  // All, then Favorites
    menu->setFocus();
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_EQ(viewModel->settings().selectedAccountFilter, AccountFilterSelection::favorites());
    EXPECT_TRUE(QTest::qWaitFor([&] { return settingsStore.saves().size() == saves + 1; }));
    QTest::qWait(50);
    EXPECT_EQ(settingsStore.saves().size(), saves + 1);
}

}  // namespace
}  // namespace quorbit::test
