#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/platform/AlertBox.h"

namespace quorbit {
namespace {

DialogPresenter::Alert confirmation() {
    return {.style = DialogPresenter::AlertStyle::warning,
            .message = "Export & share?",
            .informativeText = "<b>not bold</b>",
            .firstButton = "Save & Go",
            .cancelButton = "Cancel",
            .checkBoxTitle = "Remember",
            .checkBoxChecked = true};
}

QPushButton* buttonNamed(const AlertBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) return qobject_cast<QPushButton*>(button);
    }
    return nullptr;
}

TEST(AlertBoxTest, ShowsTheTextsAsTheyAreWithTheFirstButtonAsDefault) {
    AlertBox box(confirmation());

    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    QPushButton* first = buttonNamed(box, QStringLiteral("Save && Go"));
    ASSERT_NE(first, nullptr) << "an ampersand is shown, not a mnemonic";
    EXPECT_EQ(box.defaultButton(), first);
    EXPECT_EQ(box.escapeButton(), buttonNamed(box, QStringLiteral("Cancel")));
    ASSERT_NE(box.checkBox(), nullptr);
    EXPECT_TRUE(box.checkBox()->isChecked());
}

TEST(AlertBoxTest, AnswersWhichButtonWasChosenAndTheCheckBox) {
    for (const bool chooseFirst : {true, false}) {
        AlertBox box(confirmation());
        box.show();
        box.checkBox()->setChecked(false);
        QTest::mouseClick(buttonNamed(box, chooseFirst ? QStringLiteral("Save && Go") : QStringLiteral("Cancel")),
                          Qt::LeftButton);
        EXPECT_EQ(box.answer(),
                  (DialogPresenter::AlertAnswer{.firstButtonChosen = chooseFirst, .checkBoxChecked = false}));
    }
}

TEST(AlertBoxTest, EscapeIsTheCancelAnswer) {
    AlertBox box(confirmation());
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.answer().firstButtonChosen);
}

}  // namespace
}  // namespace quorbit
