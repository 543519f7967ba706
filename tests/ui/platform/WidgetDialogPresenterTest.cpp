#include "ui/platform/WidgetDialogPresenter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

namespace quorbit {
namespace {

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
