#include "ui/windows/DataLifecycleCenter.h"

#include <algorithm>
#include <chrono>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "domain/QuorbitError.h"
#include "support/StoredAccount.h"
#include "support/views/PixelProbe.h"
#include "ui/ObjectNames.h"
#include "ui/SerialWorker.h"
#include "ui/windows/WindowsFixture.h"

namespace quorbit::test {
namespace {

namespace names = objectnames::windows;

const std::vector<const char*> allActions = {names::lifecycleRestore,     names::lifecycleDelete,
                                             names::lifecycleExport,      names::lifecycleAddTag,
                                             names::lifecycleMoveToTrash, names::lifecycleEmptyTrash};

class DataLifecycleCenterTest : public WindowsFixture {
protected:
    OtpAccount trashed = withTrash(storedAccount("Old Bank", "alice"));
    OtpAccount untagged = storedAccount("GitHub", "alice");

    static OtpAccount withTrash(OtpAccount account) {
        account.trashedAt = startTime;
        return account;
    }

    DataLifecycleCenter& open(const std::vector<OtpAccount>& accounts, AppLanguage language = AppLanguage::english) {
        storeAccounts(accounts);
        center = std::make_unique<DataLifecycleCenter>(model(language));
        center->show();
        settle();
        return *center;
    }

    void choose(DataLifecycleCategory category) {
        child<QListWidget>(*center, names::lifecycleCategories)->setCurrentRow(int(category));
        settle();
    }

    void settle() const {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !center->isLoading(); }));
    }

    void selectRows(int count) {
        QListWidget* list = child<QListWidget>(*center, names::lifecycleAccounts);
        for (int i = 0; i < count; ++i) list->item(i)->setSelected(true);
    }

    std::vector<std::string> visibleActions() const {
        std::vector<std::string> shown;
        for (const char* name : allActions) {
            if (child<QPushButton>(*center, name)->isVisibleTo(center.get())) shown.emplace_back(name);
        }
        return shown;
    }

    QString selectionCount() const { return child<QLabel>(*center, names::lifecycleSelectionCount)->text(); }

    // The one-line texts and buttons on screen that are narrower than they need or reach past
    // the window's edge.
    std::string cutTexts() const {
        QApplication::processEvents();
        QStringList cut;
        auto check = [&](QWidget* widget, const QString& text) {
            const int right = widget->mapTo(center.get(), QPoint(widget->width(), 0)).x();
            if (widget->width() < widget->sizeHint().width() || right > center->width()) cut << text;
        };
        for (QLabel* label : center->findChildren<QLabel*>()) {
            if (label->isVisibleTo(center.get()) && !label->wordWrap()) check(label, label->text());
        }
        for (QPushButton* button : center->findChildren<QPushButton*>()) {
            if (button->isVisibleTo(center.get())) check(button, button->text());
        }
        return cut.join(QStringLiteral(" | ")).toStdString();
    }

    std::unique_ptr<DataLifecycleCenter> center;
};

// The sidebar takes the focus when the window opens; that alone chooses nothing.
TEST_F(DataLifecycleCenterTest, AFreshWindowHasNoCategoryChosen) {
    open({untagged, trashed});
    center->activateWindow();
    child<QListWidget>(*center, names::lifecycleCategories)->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(center->selectedCategory(), std::nullopt);
    EXPECT_TRUE(child<QWidget>(*center, names::lifecyclePrompt)->isVisibleTo(center.get()));
}

// The Russian texts are much longer than the English ones; the window keeps its size.
TEST_F(DataLifecycleCenterTest, NothingIsCutInEitherLanguage) {
    struct Case {
        DataLifecycleCategory category;
        int selected;
    };
    for (AppLanguage language : {AppLanguage::english, AppLanguage::russian}) {
        for (const Case& c : {Case{DataLifecycleCategory::trash, 0}, Case{DataLifecycleCategory::trash, 1},
                              Case{DataLifecycleCategory::untagged, 1}}) {
            open({untagged, trashed}, language);
            choose(c.category);
            selectRows(c.selected);
            EXPECT_EQ(cutTexts(), "") << int(language) << " " << int(c.category) << " " << c.selected;
            center.reset();
            viewModel.reset();
        }
    }
}

// A selected row's title, tags and date stay readable on the selection's colour; the tags and
// date, fainter, at least at the ratio for secondary text.
TEST_F(DataLifecycleCenterTest, ASelectedRowKeepsItsLinesReadable) {
    OtpAccount stale = storedAccount("Legacy VPN", "ops");
    stale.tags = {"Work", "Infrastructure"};
    stale.lastUsedAt = sampleNow() - std::chrono::days(400);
    open({stale});
    choose(DataLifecycleCategory::longUnused);
    selectRows(1);
    auto* list = child<QListWidget>(*center, names::lifecycleAccounts);
    const QColor selection = list->palette().color(QPalette::Highlight);
    const QList<QLabel*> lines = list->itemWidget(list->item(0))->findChildren<QLabel*>();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_GE(contrastRatio(lines[0]->palette().color(lines[0]->foregroundRole()), selection), 4.5);
    for (QLabel* line : {lines[1], lines[2]}) {
        EXPECT_GE(contrastRatio(line->palette().color(line->foregroundRole()), selection), 3.0)
            << line->text().toStdString();
    }
}

TEST_F(DataLifecycleCenterTest, TheSelectionBarOffersWhatTheCategoryAndSelectionAllow) {
    struct Case {
        const char* name;
        bool trashHasItems;
        DataLifecycleCategory category;
        int selected;
        std::vector<std::string> actions;
    };
    const std::vector<Case> cases = {
        {"trash empty", false, DataLifecycleCategory::trash, 0, {}},
        {"trash with items", true, DataLifecycleCategory::trash, 0, {names::lifecycleEmptyTrash}},
        {"trash selected", true, DataLifecycleCategory::trash, 1, {names::lifecycleRestore, names::lifecycleDelete}},
        {"untagged", true, DataLifecycleCategory::untagged, 0, {}},
        {"untagged selected",
         true,
         DataLifecycleCategory::untagged,
         1,
         {names::lifecycleExport, names::lifecycleAddTag, names::lifecycleMoveToTrash}},
        {"hotp empty", true, DataLifecycleCategory::hotp, 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<OtpAccount> stored = {untagged};
        if (c.trashHasItems) stored.push_back(trashed);
        open(stored);
        choose(c.category);
        selectRows(c.selected);
        EXPECT_EQ(visibleActions(), c.actions) << c.name;
        EXPECT_EQ(selectionCount(), QStringLiteral("Selected accounts: %1").arg(c.selected)) << c.name;
        center.reset();
        viewModel.reset();
    }
}

TEST_F(DataLifecycleCenterTest, TheListStaysInPlaceWhenASelectionBringsItsActions) {
    for (AppLanguage language : {AppLanguage::english, AppLanguage::russian}) {
        for (DataLifecycleCategory category : {DataLifecycleCategory::untagged, DataLifecycleCategory::trash}) {
            SCOPED_TRACE(int(language) * 10 + int(category));
            open({untagged, trashed}, language);
            choose(category);
            auto* list = child<QListWidget>(*center, names::lifecycleAccounts);
            const int top = list->mapTo(center.get(), QPoint(0, 0)).y();
            selectRows(1);
            QApplication::processEvents();
            EXPECT_EQ(list->mapTo(center.get(), QPoint(0, 0)).y(), top);
            center.reset();
            viewModel.reset();
        }
    }
}

TEST_F(DataLifecycleCenterTest, ANoToADestructiveConfirmationChangesNothing) {
    struct Case {
        DataLifecycleCategory category;
        int selected;
        const char* button;
        std::string title;
    };
    const std::vector<Case> cases = {
        {DataLifecycleCategory::trash, 1, names::lifecycleDelete, "Delete Permanently"},
        {DataLifecycleCategory::trash, 0, names::lifecycleEmptyTrash, "Empty Trash"},
        {DataLifecycleCategory::untagged, 1, names::lifecycleMoveToTrash, "Move to Trash"},
    };
    dialogs.setDefaultAlertAnswer({false, false});
    for (const Case& c : cases) {
        open({untagged, trashed});
        choose(c.category);
        selectRows(c.selected);
        const int saves = repository.saveCount();
        const std::size_t alerts = dialogs.alerts().size();
        QTest::mouseClick(child<QPushButton>(*center, c.button), Qt::LeftButton);
        QTest::qWait(20);
        ASSERT_EQ(dialogs.alerts().size(), alerts + 1) << c.title;
        EXPECT_EQ(dialogs.alerts().back().message, c.title);
        EXPECT_EQ(dialogs.alerts().back().cancelButton, std::optional<std::string>("Cancel"));
        EXPECT_EQ(repository.saveCount(), saves) << c.title;
        EXPECT_EQ(center->selectedAccountIds().size(), std::size_t(c.selected)) << c.title;
        center.reset();
        viewModel.reset();
    }
}

TEST_F(DataLifecycleCenterTest, AConfirmedMoveToTrashEmptiesTheSelectionAndReloads) {
    open({untagged, trashed});
    choose(DataLifecycleCategory::untagged);
    selectRows(1);
    QTest::mouseClick(child<QPushButton>(*center, names::lifecycleMoveToTrash), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return center->accounts().empty() && !center->isLoading(); }));
    EXPECT_TRUE(center->selectedAccountIds().empty());
    EXPECT_TRUE(child<QWidget>(*center, names::lifecycleEmptyState)->isVisibleTo(center.get()));
    EXPECT_EQ(child<QListWidget>(*center, names::lifecycleCategories)->currentRow(),
              int(DataLifecycleCategory::untagged));
}

TEST_F(DataLifecycleCenterTest, TheTagSheetPassesTheTagAsTypedAndRefusesABlankOne) {
    open({untagged});
    choose(DataLifecycleCategory::untagged);
    selectRows(1);
    QTest::mouseClick(child<QPushButton>(*center, names::lifecycleAddTag), Qt::LeftButton);
    auto* field = child<QLineEdit>(*center, names::lifecycleTagField);
    auto* save = child<QPushButton>(*center, names::lifecycleTagSave);
    QTest::keyClicks(field, QStringLiteral("   "));
    EXPECT_FALSE(save->isEnabled());
    QTest::keyClicks(field, QStringLiteral("Work "));
    ASSERT_TRUE(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return center->accounts().empty() && !center->isLoading(); }));
    EXPECT_FALSE(child<QWidget>(*center, names::lifecycleTagSheet)->isVisible());
    EXPECT_EQ(repository.accounts().at(0).tags, std::vector<std::string>{"Work"});
}

// Two categories chosen one after the other start overlapping loads: the end shows the
// second one's list.
TEST_F(DataLifecycleCenterTest, OverlappingLoadsEndShowingTheLastCategoryChosen) {
    open({untagged, trashed});
    auto* categories = child<QListWidget>(*center, names::lifecycleCategories);
    categories->setCurrentRow(int(DataLifecycleCategory::trash));
    categories->setCurrentRow(int(DataLifecycleCategory::untagged));
    settle();
    EXPECT_EQ(center->selectedCategory(), DataLifecycleCategory::untagged);
    ASSERT_EQ(center->accounts().size(), 1u);
    EXPECT_EQ(center->accounts()[0].id, untagged.id);
}

TEST_F(DataLifecycleCenterTest, ALoadFailureGoesToTheStatusLineAndKeepsTheLastList) {
    open({untagged});
    choose(DataLifecycleCategory::untagged);
    repository.failLoadsWith(QuorbitError(QuorbitError::Case::persistenceFailure));
    choose(DataLifecycleCategory::hotp);
    EXPECT_TRUE(viewModel->statusMessage().has_value());
    EXPECT_EQ(center->accounts().size(), 1u);
}

}  // namespace
}  // namespace quorbit::test
