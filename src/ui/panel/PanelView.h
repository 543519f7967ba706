#pragma once

#include <vector>

#include <QPointer>
#include <QWidget>

#include "domain/AccountFilterSelection.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace quorbit {

class AccountList;
class AddTokenForm;
class ClampedLabel;
class LockScreen;
class Onboarding;
class OtpSettingsSheet;
class QuorbitViewModel;

// The floating panel's whole content: header, then the onboarding, the unlocked content (search,
// filter and sort menus and the account list, or the add form) or the lock screen, then the
// footer with Add, the QR menu and the status line. It presents the OTP settings sheet while
// the view model edits an account. Everything shown is read from the view model; every action
// is one of its operations.
class PanelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelWidth = 392;
    static constexpr int panelHeight = 560;

    explicit PanelView(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    // A small menu button in the header, for when there is no tray to carry the menu.
    void setHeaderMenu(QMenu* menu);

    // The open OTP settings sheet, if any.
    OtpSettingsSheet* sheet() const;

signals:
    void settingsRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildListPage();
    QWidget* buildFooter();
    void connectViewModel();
    Onboarding* madeOnboarding();
    AddTokenForm* madeAddForm();
    void showState();
    void focusPage();
    void showTexts();
    void showIcons();
    void showStatus();
    void showQuery();
    void showFilters();
    void showSort();
    void showSheet();
    void placeSheet();
    void chooseFilter(int index);
    void chooseSort(int index);

    QuorbitViewModel& viewModel_;
    QLabel* subtitle_;
    QToolButton* lock_;
    QToolButton* headerMenu_;
    QToolButton* settings_;
    QStackedWidget* content_;
    Onboarding* onboarding_ = nullptr;
    QStackedWidget* unlocked_;
    QWidget* listPage_;
    QLineEdit* search_;
    QComboBox* filter_;
    QComboBox* sort_;
    AccountList* list_;
    AddTokenForm* addForm_ = nullptr;
    LockScreen* lockScreen_;
    QWidget* footer_;
    QPushButton* add_;
    QPushButton* qr_;
    QMenu* qrMenu_;
    ClampedLabel* status_;
    std::vector<AccountFilterSelection> shownFilters_;
    QPointer<OtpSettingsSheet> sheet_;
};

}  // namespace quorbit
