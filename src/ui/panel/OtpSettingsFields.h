#pragma once

#include <cstdint>

#include <QWidget>

#include "domain/AppLanguage.h"
#include "domain/OtpAlgorithm.h"
#include "domain/OtpType.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace quorbit {

class SegmentedControl;
class Stepper;

// The OTP settings grid of the add form and the sheet: type, algorithm, digits, and the period
// (TOTP) or the HOTP counter. It shows what it is given and reports only the user's changes.
class OtpSettingsFields : public QWidget {
    Q_OBJECT
public:
    struct Values {
        OtpType type = OtpType::totp;
        OtpAlgorithm algorithm = OtpAlgorithm::sha1;
        int digits = 6;
        int period = 30;
        std::int64_t counter = 0;
    };

    explicit OtpSettingsFields(QWidget* parent = nullptr);

    void setLanguage(AppLanguage language);
    void setValues(const Values& values);

signals:
    void typeEdited(OtpType type);
    void algorithmEdited(OtpAlgorithm algorithm);
    void digitsEdited(int digits);
    void periodEdited(int seconds);
    void counterEdited(std::int64_t counter);

private:
    QLabel* caption();

    QGridLayout* grid_;
    QLabel* typeCaption_;
    QLabel* algorithmCaption_;
    QLabel* digitsCaption_;
    QLabel* periodCaption_;
    QLabel* counterCaption_;
    SegmentedControl* type_;
    QComboBox* algorithm_;
    SegmentedControl* digits_;
    Stepper* period_;
    Stepper* counter_;
};

}  // namespace quorbit
