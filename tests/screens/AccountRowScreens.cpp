#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "screens/ScreenRegistry.h"
#include "support/views/SampleAccounts.h"
#include "ui/panel/AccountRow.h"

namespace quorbit::screens {
namespace {

struct RowState {
    const char* account;
    std::int64_t seconds = 30;
    bool copied = false;
    bool hidden = false;
    CodeFormat format = CodeFormat::grouped;
};

std::unique_ptr<QWidget> rows(const ScreenContext& context, const std::vector<RowState>& states) {
    std::vector<std::unique_ptr<QWidget>> widgets;
    for (const RowState& state : states) {
        const OtpAccount account = test::sampleAccount(state.account);
        AppSettings settings = context.settings;
        settings.hideCodesByDefault = state.hidden;
        settings.codeFormat = state.format;
        auto row = std::make_unique<AccountRow>();
        row->refresh(account, test::sampleCode(account), state.seconds, state.copied, false, settings);
        widgets.push_back(std::move(row));
    }
    return stackedOnBackdrop(std::move(widgets), 392);
}

// A time-based account through its step, the HOTP row, and the code's three looks.
const ScreenRegistration statesScreen("panel-account-row-states", [](const ScreenContext& context) {
    return rows(context, {
                             {"GitHub", 30},
                             {"GitHub", 5},
                             {"GitHub", 0},
                             {"Example Bank"},
                             {"Google", 21, true},
                             {"AWS", 17, false, true},
                             {"AWS", 17, false, true, CodeFormat::plain},
                         });
});

// Favourite with four tags, long names, no issuer with 7 digits, 8 digits, trashed.
const ScreenRegistration accountsScreen("panel-account-row-accounts", [](const ScreenContext& context) {
    return rows(context, {
                             {"Proton", 24},
                             {"Example Enterprise Single Sign-On Portal", 24},
                             {"bob@example.com", 24},
                             {"AWS", 24},
                             {"AWS", 24, false, false, CodeFormat::plain},
                             {"Old Forum", 24},
                         });
});

// The menu is a window of its own: its picture is taken while it is open and shown in a label.
QLabel* menuPicture(const ScreenContext& context, const char* accountName) {
    AccountRow row;
    row.refresh(test::sampleAccount(accountName), std::nullopt, 30, false, false, context.settings);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(&row, &event);
    QMenu* menu = row.openMenu();
    menu->adjustSize();
    auto* picture = new QLabel;
    picture->setPixmap(menu->grab());
    menu->close();
    picture->setAlignment(Qt::AlignTop);
    return picture;
}

const ScreenRegistration menusScreen("panel-account-row-menus", [](const ScreenContext& context) {
    auto sheet = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(sheet.get());
    layout->setContentsMargins(0, 0, 0, 0);
    for (const char* account : {"Example Bank", "Proton", "Old Forum"})
        layout->addWidget(menuPicture(context, account));
    layout->addStretch();
    return onBackdrop(std::move(sheet), 760);
});

}  // namespace
}  // namespace quorbit::screens
