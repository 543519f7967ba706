#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorbit {

class OtpSettingsFields;
class QuorbitViewModel;
class TagPicker;

// Edits the OTP settings and tags of the account in `editingTagsAccount`, through the view
// model's editor fields. Return saves; closing it any other way cancels the editing. The panel
// opens it window-modal and removes it when the view model stops editing.
class OtpSettingsSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int sheetWidth = 460;

    explicit OtpSettingsSheet(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    void reject() override;

private:
    void connectFields();
    void showValues();
    void showTexts();

    QuorbitViewModel& viewModel_;
    QLabel* title_;
    OtpSettingsFields* otpFields_;
    TagPicker* tags_;
    QPushButton* cancel_;
    QPushButton* save_;
};

}  // namespace quorbit
