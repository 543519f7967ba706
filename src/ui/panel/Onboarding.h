#pragma once

#include <optional>

#include "ui/kit/GlassPanel.h"
#include "ui/viewmodel/OnboardingMode.h"

class QLabel;
class QPushButton;

namespace quorbit {

class OnboardingSection;
class QuorbitViewModel;
class SegmentedControl;

// The first-launch introduction inside the panel: five steps in the full form, one card in the
// short form, a language switch on top of both. It only moves between steps and hands the
// user's choice to the view model, which decides when it goes away.
class Onboarding : public GlassPanel {
    Q_OBJECT
public:
    static constexpr int stepCount = 5;

    explicit Onboarding(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

    int stepIndex() const noexcept { return stepIndex_; }
    // Return and Enter: Continue, or Open app in the short form; nothing on the last step.
    void activateDefaultAction();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildFullForm();
    QWidget* buildShortForm();
    void followMode();
    void showForm();
    void relabel();
    void setStepIndex(int index);
    void showStep();

    QuorbitViewModel& viewModel_;
    std::optional<OnboardingMode> mode_;
    int stepIndex_ = 0;
    SegmentedControl* languagePicker_;
    QWidget* fullForm_;
    QWidget* shortForm_;
    QLabel* stepLabel_;
    OnboardingSection* section_;
    QPushButton* back_;
    QPushButton* continue_;
    QWidget* finalActions_;
    QPushButton* addAccount_;
    QPushButton* import_;
    QPushButton* openApp_;
    QPushButton* skip_;
    QLabel* shortTitle_;
    QLabel* shortText_;
    QPushButton* openFullIntroduction_;
    QPushButton* shortOpenApp_;
    QPushButton* shortSkip_;
};

}  // namespace quorbit
