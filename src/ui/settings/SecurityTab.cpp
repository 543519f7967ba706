#include "ui/settings/SecurityTab.h"

#include <algorithm>

#include <QHBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsNumberField.h"
#include "ui/kit/SettingsPicker.h"
#include "ui/kit/SettingsSection.h"
#include "ui/kit/SettingsToggleRow.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolButton.h"
#include "ui/kit/WarningLabel.h"
#include "ui/viewmodel/QuorbitViewModel.h"
#include "ui/viewmodel/actions/BackupCipherSettings.h"

namespace quorbit {
namespace {

// A label at the leading edge and a number field at the trailing one.
QHBoxLayout* fieldRow(StyledLabel* label, SettingsNumberField* field) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addStretch(1);
    row->addWidget(field);
    return row;
}

}  // namespace

SecurityTab::SecurityTab(QuorbitViewModel& viewModel, QWidget* parent)
    : SettingsPage(viewModel, objectnames::settings::securityPage, parent) {
    buildVault();
    buildBackupEncryption();
    buildSecurityCenter();
    lockNow_ = named(new ProminentButton, objectnames::settings::lockNowButton);
    auto* lockRow = new QWidget;
    auto* lockLayout = new QHBoxLayout(lockRow);
    lockLayout->setContentsMargins(0, 0, 0, 0);
    lockLayout->addWidget(lockNow_);
    lockLayout->addStretch(1);
    addBlock(lockRow);
    connect(lockNow_, &QPushButton::clicked, this, [this] { this->viewModel().lock(); });
    follow();
}

void SecurityTab::buildVault() {
    vault_ = addSection();
    autoLock_ = named(new SettingsPicker(SettingsPickerStyle::segmented, true), objectnames::settings::autoLockPicker);
    lockOnSleep_ = named(new SettingsToggleRow, objectnames::settings::lockOnSleepToggle);
    requireUnlock_ = named(new SettingsToggleRow, objectnames::settings::requireUnlockToggle);
    hideCodes_ = named(new SettingsToggleRow, objectnames::settings::hideCodesToggle);
    showIntroduction_ = named(new SymbolButton(QStringLiteral("arrow.counterclockwise")),
                              objectnames::settings::showIntroductionButton);
    vault_->addWidget(autoLock_);
    vault_->addWidget(lockOnSleep_);
    vault_->addWidget(requireUnlock_);
    vault_->addWidget(hideCodes_);
    vault_->addWidget(showIntroduction_, Qt::AlignLeft);

    connect(autoLock_, &SettingsPicker::activated, this, [this](int index) {
        if (const auto chosen = SettingsPicker::option<AutoLockDuration>(index)) {
            writeSetting(&AppSettings::autoLock, *chosen);
        }
    });
    connect(lockOnSleep_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { writeSetting(&AppSettings::lockOnSleepOrScreenLock, on); });
    connect(requireUnlock_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { writeSetting(&AppSettings::requireUnlockOnLaunch, on); });
    connect(hideCodes_, &SettingsToggleRow::toggledByUser, this,
            [this](bool on) { writeSetting(&AppSettings::hideCodesByDefault, on); });
    connect(showIntroduction_, &QPushButton::clicked, this, [this] { viewModel().resetOnboardingFromSettings(); });
}

void SecurityTab::buildBackupEncryption() {
    encryption_ = addSection();
    iterationsLabel_ = new StyledLabel(TextStyle::body, StyledLabel::Tone::primary);
    iterations_ = named(new SettingsNumberField, objectnames::settings::iterationsField);
    iterationsWarning_ = named(new WarningLabel, objectnames::settings::iterationsWarning);
    iterationsNote_ = makeNote();
    saltLabel_ = new StyledLabel(TextStyle::body, StyledLabel::Tone::primary);
    salt_ = named(new SettingsNumberField, objectnames::settings::saltField);
    saltNote_ = makeNote();
    encryption_->addLayout(fieldRow(iterationsLabel_, iterations_));
    encryption_->addWidget(iterationsWarning_);
    encryption_->addWidget(iterationsNote_);
    encryption_->addLayout(fieldRow(saltLabel_, salt_));
    encryption_->addWidget(saltNote_);

    // Only the user's entry is validated: the view model's echo of the stored value must not
    // clear the warning the entry raised.
    connect(iterations_, &SettingsNumberField::valueEntered, this,
            [this](std::int64_t value) { viewModel().validatePBKDF2Iterations(value); });
    connect(salt_, &SettingsNumberField::valueEntered, this, &SecurityTab::enterSaltBytes);
}

void SecurityTab::buildSecurityCenter() {
    center_ = addSection();
    centerNote_ = makeNote();
    securityCenter_ =
        named(new SymbolButton(QStringLiteral("shield.checkered")), objectnames::settings::securityCenterButton);
    securityLog_ =
        named(new SymbolButton(QStringLiteral("list.bullet.clipboard")), objectnames::settings::securityLogButton);
    dataLifecycle_ =
        named(new SymbolButton(QStringLiteral("arrow.3.trianglepath")), objectnames::settings::dataLifecycleButton);
    center_->addWidget(centerNote_);
    center_->addWidget(securityCenter_, Qt::AlignLeft);
    center_->addWidget(securityLog_, Qt::AlignLeft);
    center_->addWidget(dataLifecycle_, Qt::AlignLeft);
    connect(securityCenter_, &QPushButton::clicked, this,
            [this] { viewModel().securityAuditWindowController().show(); });
    connect(securityLog_, &QPushButton::clicked, this, [this] { viewModel().securityLogWindowController().show(); });
    connect(dataLifecycle_, &QPushButton::clicked, this,
            [this] { viewModel().dataLifecycleWindowController().show(); });
}

void SecurityTab::enterSaltBytes(std::int64_t bytes) {
    // Stored as a backup will use it, so that the field shows what the next backup gets.
    viewModel().setBackupSaltBytes(
        std::clamp(bytes, BackupCipherSettings::minSaltBytes, BackupCipherSettings::maxSaltBytes));
}

void SecurityTab::refresh() {
    refreshTexts();
    refreshValues();
}

void SecurityTab::refreshTexts() {
    header()->setTexts(
        text("Security", "Безопасность"),
        text("Local protection for the vault, clipboard, and visible codes.", "Локальная защита хранилища и кодов."));
    vault_->setTitle(text("Vault", "Хранилище"));
    autoLock_->setTitle(text("Auto-lock", "Автоблокировка"));
    autoLock_->setOptions<AutoLockDuration>(language());
    lockOnSleep_->setLabel(text("Lock when computer sleeps or screen locks", "Блокировать при сне компьютера"));
    requireUnlock_->setLabel(text("Require unlock on launch", "Требовать разблокировку при запуске"));
    hideCodes_->setLabel(text("Hide codes by default", "Скрывать коды по умолчанию"));
    showIntroduction_->setLabel(text("Show introduction again", "Показать введение снова"));

    encryption_->setTitle(text("Backup Encryption", "Шифрование резервных копий"));
    iterationsLabel_->setTextIfChanged(text("PBKDF2 Iterations", "Итерации PBKDF2"));
    iterationsNote_->setTextIfChanged(
        text("Minimum recommended: 100,000. Higher values increase security but slow down backup/restore.",
             "Рекомендуется 100,000."));
    saltLabel_->setTextIfChanged(text("Salt Length (bytes)", "Длина соли (байт)"));
    saltNote_->setTextIfChanged(text("Recommended: 16 bytes (128 bits).", "Рекомендуется 16 байт."));

    center_->setTitle(text("Security Center", "Центр безопасности"));
    centerNote_->setTextIfChanged(text("Analyze accounts for duplicates, weak secrets, and other issues.",
                                       "Анализ аккаунтов на дубликаты и уязвимости."));
    securityCenter_->setLabel(text("Security Center", "Центр безопасности"));
    securityLog_->setLabel(text("Security Log", "Журнал безопасности"));
    dataLifecycle_->setLabel(text("Data Lifecycle", "Жизненный цикл данных"));
    lockNow_->setText(text("Lock Now", "Заблокировать сейчас"));
}

void SecurityTab::refreshValues() {
    const AppSettings& settings = viewModel().settings();
    autoLock_->setSelection(settings.autoLock);
    lockOnSleep_->setValue(settings.lockOnSleepOrScreenLock);
    requireUnlock_->setValue(settings.requireUnlockOnLaunch);
    hideCodes_->setValue(settings.hideCodesByDefault);
    iterations_->setValue(viewModel().backupPBKDF2Iterations());
    // A stored length outside the bounds (an older settings file) shows as the one used.
    salt_->setValue(BackupCipherSettings::from(settings).saltBytes);
    const std::optional<QString>& warning = viewModel().pbkdf2Warning();
    iterationsWarning_->setText(warning.value_or(QString()));
    iterationsWarning_->setVisible(warning.has_value());
}

}  // namespace quorbit
