#include "ui/panel/OtpSettingsFields.h"

#include <limits>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/ObjectNames.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/kit/Stepper.h"
#include "ui/kit/StyledLabel.h"

namespace quorbit {
namespace {

constexpr int minimumPeriod = 10;
constexpr int maximumPeriod = 120;
constexpr int periodStep = 5;
constexpr int firstDigits = 6;

}  // namespace

OtpSettingsFields::OtpSettingsFields(QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)), typeCaption_(caption()), algorithmCaption_(caption()),
      digitsCaption_(caption()), periodCaption_(caption()), counterCaption_(caption()), type_(new SegmentedControl),
      algorithm_(new QComboBox), digits_(new SegmentedControl), period_(new Stepper), counter_(new Stepper) {
    type_->setObjectName(objectnames::panel::otpType);
    algorithm_->setObjectName(objectnames::panel::otpAlgorithm);
    digits_->setObjectName(objectnames::panel::otpDigits);
    period_->setObjectName(objectnames::panel::otpPeriod);
    counter_->setObjectName(objectnames::panel::otpCounter);

    QStringList types;
    for (OtpType type : allOtpTypes) types << toQString(rawValue(type));
    type_->setSegments(types);
    for (OtpAlgorithm algorithm : allOtpAlgorithms) algorithm_->addItem(toQString(rawValue(algorithm)));
    digits_->setSegments({QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
    period_->setRange(minimumPeriod, maximumPeriod);
    period_->setStep(periodStep);
    period_->setSuffix(QStringLiteral(" s"));
    counter_->setRange(0, std::numeric_limits<std::int64_t>::max());
    counter_->setStep(1);

    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(12);
    grid_->setVerticalSpacing(12);
    grid_->setColumnStretch(1, 1);
    const std::pair<QLabel*, QWidget*> rows[] = {{typeCaption_, type_},
                                                 {algorithmCaption_, algorithm_},
                                                 {digitsCaption_, digits_},
                                                 {periodCaption_, period_},
                                                 {counterCaption_, counter_}};
    int row = 0;
    for (const auto& [label, control] : rows) {
        // Rows keep their natural height when the form is short of room (it scrolls instead).
        control->setSizePolicy(control->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        grid_->addWidget(label, row, 0);
        grid_->addWidget(control, row, 1, Qt::AlignLeft);
        ++row;
    }

    connect(type_, &SegmentedControl::activated, this, [this](int index) { emit typeEdited(allOtpTypes.at(index)); });
    connect(algorithm_, &QComboBox::activated, this,
            [this](int index) { emit algorithmEdited(allOtpAlgorithms.at(index)); });
    connect(digits_, &SegmentedControl::activated, this, [this](int index) { emit digitsEdited(firstDigits + index); });
    connect(period_, &Stepper::valueEdited, this, [this](std::int64_t value) { emit periodEdited(int(value)); });
    connect(counter_, &Stepper::valueEdited, this, &OtpSettingsFields::counterEdited);
    setLanguage(AppLanguage::english);
    setValues({});
}

QLabel* OtpSettingsFields::caption() { return new StyledLabel(TextStyle::body, StyledLabel::Tone::secondary); }

void OtpSettingsFields::setLanguage(AppLanguage language) {
    typeCaption_->setText(localized(language, "Type", "Тип"));
    algorithmCaption_->setText(localized(language, "Algorithm", "Алгоритм"));
    digitsCaption_->setText(localized(language, "Digits", "Символов"));
    periodCaption_->setText(localized(language, "Period", "Период"));
    counterCaption_->setText(localized(language, "HOTP counter", "HOTP счетчик"));
    // The captions stand beside the controls; a screen reader needs the name on the control.
    type_->setAccessibleName(typeCaption_->text());
    algorithm_->setAccessibleName(algorithmCaption_->text());
    digits_->setAccessibleName(digitsCaption_->text());
}

void OtpSettingsFields::setValues(const Values& values) {
    const QSignalBlocker blockAlgorithm(algorithm_);
    type_->setCurrentIndex(values.type == OtpType::totp ? 0 : 1);
    algorithm_->setCurrentIndex(int(values.algorithm));
    // A digit count outside 6..8 selects no segment.
    digits_->setCurrentIndex(values.digits >= 6 && values.digits <= 8 ? values.digits - firstDigits : -1);
    period_->setValue(values.period);
    counter_->setValue(values.counter);
    const bool totp = values.type == OtpType::totp;
    periodCaption_->setVisible(totp);
    period_->setVisible(totp);
    counterCaption_->setVisible(!totp);
    counter_->setVisible(!totp);
}

}  // namespace quorbit
