#pragma once

#include "ui/kit/SecretFieldText.h"
#include "ui/panel/FramelessScrollArea.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorbit {

class OtpSettingsFields;
class QuorbitViewModel;
class TagPicker;

// The add-token form in a frameless vertical scroll area (it is taller than the panel's
// content): QR import, manual entry, OTP settings and tags, bound to the view model's add-form
// values. Checks nothing itself; the view model reports every outcome in the status line.
class AddTokenForm : public FramelessScrollArea {
    Q_OBJECT
public:
    explicit AddTokenForm(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    QPushButton* defaultButton() const noexcept { return submit_; }

signals:
    void cancelRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildQrButtons();
    QWidget* buildManualEntry();
    QWidget* buildOtpSettings();
    QWidget* buildActions();
    void connectFields();
    void showValues();
    void showTexts();
    void showIcons();

    QuorbitViewModel& viewModel_;
    QLabel* title_;
    QLabel* subtitle_;
    QPushButton* importImage_;
    QPushButton* readScreen_;
    QLabel* issuerCaption_;
    QLabel* accountCaption_;
    QLabel* secretCaption_;
    QLineEdit* issuer_;
    QLineEdit* account_;
    QLineEdit* secret_;
    SecretFieldText secretText_;
    QLabel* otpHeading_;
    OtpSettingsFields* otpFields_;
    TagPicker* tags_;
    QPushButton* cancel_;
    QPushButton* submit_;
};

}  // namespace quorbit
