#include "ui/panel/Onboarding.h"

#include <algorithm>
#include <array>
#include <string_view>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/CapsuleLabel.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"
#include "ui/kit/WrappingRowLayout.h"
#include "ui/panel/OnboardingSection.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

struct Step {
    const char* symbol;
    std::string_view titleEnglish, titleRussian, bodyEnglish, bodyRussian;
};

constexpr std::array<Step, Onboarding::stepCount> steps{{
    {"sparkles", "Quorbit — local 2FA manager", "Quorbit — локальный менеджер 2FA-кодов",
     "Use Quorbit to store and generate one-time TOTP/HOTP codes on this computer. Secrets stay local and are never "
     "sent to an external server.",
     "Приложение помогает хранить и использовать одноразовые коды TOTP/HOTP на этом компьютере. Секреты сохраняются "
     "локально и не отправляются на внешний сервер."},
    {"key.fill", "Where secrets are stored", "Где хранятся секреты",
     "OTP secrets are stored in the system keyring. The system may display a prompt for access. This is expected and "
     "keeps your secrets under system protection.",
     "OTP-секреты хранятся в системной связке ключей. Система может показать окно запроса доступа — это нормальная "
     "часть безопасной работы приложения."},
    {"lock.shield", "Locking and safety", "Блокировка и безопасность",
     "Auto-lock protects the app after inactivity. After sleep or user switch, unlock may be required again. OTP codes "
     "and secrets are not written to logs.",
     "Автоблокировка защищает приложение при бездействии. После сна или смены пользователя может потребоваться "
     "повторная разблокировка. OTP-коды и секреты не пишутся в журнал."},
    {"archivebox", "Import and backups", "Импорт и резервные копии",
     "Smart Import opens a preview and never overwrites duplicates silently. Recovery Kit helps prepare for device "
     "loss and stores encrypted data only.",
     "Smart Import открывает предпросмотр и не перезаписывает дубликаты молча. Recovery Kit помогает подготовиться к "
     "потере устройства и хранит только зашифрованные данные."},
    {"checkmark.circle.fill", "Ready", "Готово",
     "You can add your first account, import existing codes, or continue directly to the app.",
     "Можно добавить первый аккаунт, импортировать существующие коды или сразу перейти в приложение."},
}};

QPushButton* named(QPushButton* button, const char* objectName) {
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QPushButton* makeButton(const char* objectName) { return named(new QPushButton, objectName); }

QPushButton* makeProminentButton(const char* objectName) { return named(new ProminentButton, objectName); }

QPushButton* makePlainButton(const char* objectName) {
    QPushButton* button = makeButton(objectName);
    button->setFlat(true);
    TextTone::apply(button, TextTone::secondary);
    return button;
}

QWidget* container(QLayout* layout) {
    auto* widget = new QWidget;
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setLayout(layout);
    return widget;
}

}  // namespace

Onboarding::Onboarding(QuorbitViewModel& viewModel, QWidget* parent)
    : GlassPanel(cardRadius, parent), viewModel_(viewModel), languagePicker_(new SegmentedControl) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 22, 22, 22);
    layout->setSpacing(16);
    languagePicker_->setObjectName(objectnames::onboarding::languagePicker);
    languagePicker_->setMaximumWidth(220);
    layout->addWidget(languagePicker_, 0, Qt::AlignLeft);
    fullForm_ = buildFullForm();
    shortForm_ = buildShortForm();
    layout->addWidget(fullForm_);
    layout->addWidget(shortForm_);
    layout->addStretch();

    connect(languagePicker_, &SegmentedControl::activated, this, [this](int index) {
        AppSettings changed = viewModel_.settings();
        changed.language = allAppLanguages[static_cast<std::size_t>(index)];
        viewModel_.setSettings(changed);
    });
    connect(&viewModel_, &QuorbitViewModel::settingsChanged, this, &Onboarding::relabel);
    connect(&viewModel_, &QuorbitViewModel::onboardingChanged, this, &Onboarding::followMode);
    mode_ = viewModel_.onboardingMode();
    showForm();
    relabel();
}

QWidget* Onboarding::buildFullForm() {
    auto* form = new QVBoxLayout;
    form->setSpacing(14);
    stepLabel_ = new CapsuleLabel(Typography::font(TextStyle::caption, QFont::DemiBold));
    stepLabel_->setObjectName(objectnames::onboarding::stepLabel);
    form->addWidget(stepLabel_, 0, Qt::AlignLeft);
    section_ = new OnboardingSection;
    form->addWidget(section_);

    // Back sits beside Continue, or beside Add account on the last step; Import and Open app
    // take the full width below, so that the Russian labels fit the panel.
    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(8);
    buttons->setVerticalSpacing(8);
    buttons->setColumnStretch(1, 1);
    back_ = makeButton(objectnames::onboarding::back);
    buttons->addWidget(back_, 0, 0);
    continue_ = makeProminentButton(objectnames::onboarding::continueButton);
    buttons->addWidget(continue_, 0, 2);
    addAccount_ = makeProminentButton(objectnames::onboarding::addAccount);
    buttons->addWidget(addAccount_, 0, 2);
    auto* finalRow = new QHBoxLayout;
    finalRow->setSpacing(8);
    finalRow->addStretch();
    import_ = makeButton(objectnames::onboarding::importAccounts);
    openApp_ = makeButton(objectnames::onboarding::openApp);
    finalRow->addWidget(import_);
    finalRow->addWidget(openApp_);
    finalActions_ = container(finalRow);
    buttons->addWidget(finalActions_, 1, 0, 1, 3);
    form->addLayout(buttons);

    skip_ = makePlainButton(objectnames::onboarding::skip);
    form->addWidget(skip_, 0, Qt::AlignRight);

    connect(back_, &QPushButton::clicked, this, [this] { setStepIndex(std::max(stepIndex_ - 1, 0)); });
    connect(continue_, &QPushButton::clicked, this, [this] { setStepIndex(std::min(stepIndex_ + 1, stepCount - 1)); });
    connect(addAccount_, &QPushButton::clicked, this,
            [this] { viewModel_.completeOnboarding(OnboardingCompletionAction::addAccount); });
    connect(import_, &QPushButton::clicked, this,
            [this] { viewModel_.completeOnboarding(OnboardingCompletionAction::importAccounts); });
    connect(openApp_, &QPushButton::clicked, this,
            [this] { viewModel_.completeOnboarding(OnboardingCompletionAction::openApp); });
    connect(skip_, &QPushButton::clicked, this, [this] { viewModel_.deferOnboardingForSession(); });
    return container(form);
}

QWidget* Onboarding::buildShortForm() {
    auto* form = new QVBoxLayout;
    form->setSpacing(14);
    shortTitle_ = new QLabel;
    shortTitle_->setObjectName(objectnames::onboarding::shortTitle);
    shortTitle_->setFont(Typography::font(TextStyle::title3, QFont::DemiBold));
    form->addWidget(shortTitle_);
    shortText_ = new PlainLabel(Typography::font(TextStyle::callout));
    shortText_->setWordWrap(true);
    TextTone::apply(shortText_, TextTone::secondary);
    form->addWidget(shortText_);

    // The two buttons share a line where they fit and wrap where they do not (the Russian
    // labels), so the panel keeps its width.
    auto* buttons = new QWidget;
    auto* buttonsLayout = new WrappingRowLayout(buttons, 8);
    buttonsLayout->setContentsMargins(0, 0, 0, 0);
    openFullIntroduction_ = makeButton(objectnames::onboarding::openFullIntroduction);
    shortOpenApp_ = makeProminentButton(objectnames::onboarding::shortOpenApp);
    buttonsLayout->addWidget(openFullIntroduction_);
    buttonsLayout->addWidget(shortOpenApp_);
    form->addWidget(buttons);
    shortSkip_ = makePlainButton(objectnames::onboarding::shortSkip);
    form->addWidget(shortSkip_, 0, Qt::AlignLeft);

    connect(openFullIntroduction_, &QPushButton::clicked, this, [this] {
        viewModel_.setForceFullOnboarding(true);
        viewModel_.setOnboardingDeferredForSession(false);
    });
    connect(shortOpenApp_, &QPushButton::clicked, this,
            [this] { viewModel_.completeOnboarding(OnboardingCompletionAction::openApp); });
    connect(shortSkip_, &QPushButton::clicked, this, [this] { viewModel_.deferOnboardingForSession(); });
    return container(form);
}

void Onboarding::followMode() {
    const std::optional<OnboardingMode> mode = viewModel_.onboardingMode();
    if (mode == mode_) return;
    mode_ = mode;
    if (!mode_) return;  // the panel takes this view away
    showForm();
    setStepIndex(0);
}

void Onboarding::showForm() {
    shortForm_->setVisible(mode_ == OnboardingMode::shortIntro);
    fullForm_->setVisible(mode_ != OnboardingMode::shortIntro);
}

void Onboarding::setStepIndex(int index) {
    stepIndex_ = index;
    showStep();
}

void Onboarding::relabel() {
    const AppLanguage language = viewModel_.settings().language;
    QStringList titles;
    for (AppLanguage option : allAppLanguages) titles << toQString(title(option, language));
    languagePicker_->setSegments(titles);
    languagePicker_->setCurrentIndex(language == AppLanguage::russian ? 1 : 0);
    back_->setText(localized(language, "Back", "Назад"));
    continue_->setText(localized(language, "Continue", "Продолжить"));
    addAccount_->setText(localized(language, "Add account", "Добавить аккаунт"));
    import_->setText(localized(language, "Import", "Импортировать"));
    openApp_->setText(localized(language, "Open app", "Открыть приложение"));
    skip_->setText(localized(language, "Skip for now", "Пропустить пока"));
    shortTitle_->setText(localized(language, "Quick trust overview", "Коротко о доверии"));
    shortText_->setText(localized(language,
                                  "Your existing data is already in place. If needed, review how Quorbit stores "
                                  "secrets, handles system keyring prompts, and protects backups.",
                                  "Ваши данные уже на месте. При необходимости можно быстро посмотреть, как Quorbit "
                                  "работает с системной связкой ключей, импортом и резервными копиями."));
    openFullIntroduction_->setText(localized(language, "Open full introduction", "Открыть полное введение"));
    shortOpenApp_->setText(openApp_->text());
    shortSkip_->setText(skip_->text());
    showStep();
}

void Onboarding::showStep() {
    const AppLanguage language = viewModel_.settings().language;
    const Step& step = steps[static_cast<std::size_t>(stepIndex_)];
    stepLabel_->setText(QString::number(stepIndex_ + 1) + QStringLiteral("/5"));
    section_->setContent(QString::fromLatin1(step.symbol),
                         toQString(localized(language, step.titleEnglish, step.titleRussian)),
                         toQString(localized(language, step.bodyEnglish, step.bodyRussian)));
    const bool last = stepIndex_ == stepCount - 1;
    back_->setVisible(stepIndex_ >= 1);
    continue_->setVisible(!last);
    addAccount_->setVisible(last);
    finalActions_->setVisible(last);
}

void Onboarding::activateDefaultAction() {
    if (mode_ == OnboardingMode::shortIntro) {
        shortOpenApp_->click();
    } else if (stepIndex_ < stepCount - 1) {
        continue_->click();
    }
}

void Onboarding::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        activateDefaultAction();
        return;
    }
    GlassPanel::keyPressEvent(event);
}

}  // namespace quorbit
