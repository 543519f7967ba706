#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "PanelFixture.h"
#include "ui/ObjectNames.h"
#include "ui/panel/EmptyAccountsView.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::panel;

struct EmptyCase {
    AccountFilterSelection filter;
    AppLanguage language;
    const char* icon;
    const char* title;
};

TEST(EmptyAccountsViewTest, ShowsEachFiltersTitleAndIconInBothLanguages) {
    const EmptyCase cases[] = {
        {AccountFilterSelection::all(), AppLanguage::english, "plus.circle", "No tokens yet"},
        {AccountFilterSelection::all(), AppLanguage::russian, "plus.circle", "Пока нет токенов"},
        {AccountFilterSelection::favorites(), AppLanguage::english, "pin", "No favorites"},
        {AccountFilterSelection::favorites(), AppLanguage::russian, "pin", "Нет избранных"},
        {AccountFilterSelection::recent(), AppLanguage::english, "clock", "No recent copies"},
        {AccountFilterSelection::recent(), AppLanguage::russian, "clock", "Нет недавних копий"},
        {AccountFilterSelection::trash(), AppLanguage::english, "trash", "Trash is empty"},
        {AccountFilterSelection::trash(), AppLanguage::russian, "trash", "Корзина пуста"},
        {AccountFilterSelection::tag("Work"), AppLanguage::english, "tag", "Work"},
        {AccountFilterSelection::tag("Work"), AppLanguage::russian, "tag", "Work"},
    };
    EmptyAccountsView view;
    for (const EmptyCase& c : cases) {
        SCOPED_TRACE(c.filter.id() + (c.language == AppLanguage::russian ? " ru" : " en"));
        view.setFilter(c.filter, c.language);
        EXPECT_EQ(view.iconName(), QString::fromUtf8(c.icon));
        EXPECT_EQ(view.findChild<QLabel*>(names::emptyTitle)->text(), QString::fromUtf8(c.title));
    }
    // A tag filter says what All says.
    view.setFilter(AccountFilterSelection::tag("Work"), AppLanguage::english);
    EXPECT_EQ(view.findChild<QLabel*>(names::emptyMessage)->text(),
              QStringLiteral("Add a token from a QR image or manual secret."));
}

class EmptyListTest : public PanelFixture {};

TEST_F(EmptyListTest, ASearchWithoutAHitShowsTheSelectedFiltersEmptyState) {
    storeAccounts(sampleAccounts());
    AppSettings settings;
    settings.language = AppLanguage::russian;
    settings.selectedAccountFilter = AccountFilterSelection::favorites();
    PanelView& view = makePanel(settings, true);
    view.show();
    auto* empty = find<EmptyAccountsView>(names::emptyState);
    EXPECT_FALSE(empty->isVisibleTo(&view));  // Proton is a favourite
    QTest::keyClicks(find<QLineEdit>(names::searchField), QStringLiteral("nothing like this"));
    EXPECT_TRUE(empty->isVisibleTo(&view));
    EXPECT_EQ(empty->findChild<QLabel*>(names::emptyTitle)->text(), QStringLiteral("Нет избранных"));
}

}  // namespace
}  // namespace quorbit::test
