#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "ui/platform/WidgetDialogPresenter.h"

namespace quorbit {
namespace {

// What the open panel offers, read while it is up; then it is cancelled.
struct OfferedFilters {
    QStringList names;
    QString selected;
};

OfferedFilters filtersOfferedFor(const DialogPresenter::OpenPanel& panel) {
    OfferedFilters offered;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        offered = {dialog->nameFilters(), dialog->selectedNameFilter()};
        dialog->reject();
    });
    poll.start(10);
    WidgetDialogPresenter presenter;
    EXPECT_EQ(presenter.chooseFileToOpen(panel), std::nullopt);
    return offered;
}

TEST(WidgetDialogPresenterTest, TheImagePanelOpensOnEveryImageThenOffersEachType) {
    const OfferedFilters offered =
        filtersOfferedFor({"Импорт QR-кода", DialogPresenter::FileKind::image, "Изображения"});

    ASSERT_GT(offered.names.size(), 1);
    const QString& all = offered.names.front();
    EXPECT_TRUE(all.startsWith(QStringLiteral("Изображения ("))) << all.toStdString();
    for (const char* pattern : {"*.png", "*.jpg", "*.jpeg", "*.bmp"}) {
        EXPECT_TRUE(all.contains(QLatin1String(pattern))) << pattern;
    }
    EXPECT_EQ(offered.selected, all);
}

TEST(WidgetDialogPresenterTest, TheFolderPanelsPromptNamesItsChoosingButton) {
    WidgetDialogPresenter presenter;
    QString accept;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        accept = dialog->labelText(QFileDialog::Accept);
        title = dialog->windowTitle();
        dialog->reject();
    });
    EXPECT_EQ(presenter.chooseFolder("Select destination folder"), std::nullopt);
    EXPECT_EQ(accept, QStringLiteral("Select destination folder"));
    EXPECT_NE(title, accept);
}

}  // namespace
}  // namespace quorbit
