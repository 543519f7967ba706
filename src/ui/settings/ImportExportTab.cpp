#include "ui/settings/ImportExportTab.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

#include "application/ports/DialogPresenter.h"
#include "ui/ObjectNames.h"
#include "ui/kit/SettingsHeader.h"
#include "ui/kit/SettingsSection.h"
#include "ui/kit/StyledLabel.h"
#include "ui/kit/SymbolButton.h"
#include "ui/settings/UriTextEditor.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {
namespace {

// A task started for its effect; it runs on after the handle is dropped.
void detach(QCoro::Task<> task) { (void)task; }

}  // namespace

ImportExportTab::ImportExportTab(QuorbitViewModel& viewModel, QWidget* parent)
    : SettingsPage(viewModel, objectnames::settings::importExportPage, parent) {
    buildImport();
    buildExport();
    buildDangerZone();
    follow();
    followImportRunning();
}

void ImportExportTab::buildImport() {
    import_ = addSection();
    importQRImage_ =
        named(new SymbolButton(QStringLiteral("qrcode.viewfinder")), objectnames::settings::importQRImageButton);
    readQRFromScreen_ =
        named(new SymbolButton(QStringLiteral("rectangle.dashed")), objectnames::settings::readQRFromScreenButton);
    uriTitle_ = new StyledLabel(TextStyle::headline, StyledLabel::Tone::primary);
    uriText_ = named(new UriTextEditor, objectnames::settings::uriTextEditor);
    importText_ = named(new SymbolButton(QStringLiteral("text.badge.plus")), objectnames::settings::importTextButton);
    importTextFile_ = named(new SymbolButton(QStringLiteral("doc.text")), objectnames::settings::importTextFileButton);
    importBackup_ = named(new SymbolButton(QStringLiteral("lock.open")), objectnames::settings::importBackupButton);
    cancelImport_ = named(new SymbolButton(QStringLiteral("xmark")), objectnames::settings::cancelImportButton);

    auto* textBlock = new QVBoxLayout;
    textBlock->setContentsMargins(0, 0, 0, 0);
    textBlock->setSpacing(8);
    textBlock->addWidget(uriTitle_);
    textBlock->addWidget(uriText_);
    auto* textButtons = new QHBoxLayout;
    textButtons->setContentsMargins(0, 0, 0, 0);
    textButtons->addWidget(importText_);
    textButtons->addWidget(importTextFile_);
    textButtons->addStretch(1);
    textBlock->addLayout(textButtons);

    import_->addWidget(importQRImage_, Qt::AlignLeft);
    import_->addWidget(readQRFromScreen_, Qt::AlignLeft);
    import_->addLayout(textBlock);
    import_->addWidget(importBackup_, Qt::AlignLeft);
    import_->addWidget(cancelImport_, Qt::AlignLeft);

    connect(importQRImage_, &QPushButton::clicked, this, [this] { viewModel().importQRImage(false); });
    connect(readQRFromScreen_, &QPushButton::clicked, this, [this] { viewModel().importQRCodeFromScreen(false); });
    connect(uriText_, &QPlainTextEdit::textChanged, this, &ImportExportTab::updateImportTextEnabled);
    connect(importText_, &QPushButton::clicked, this, &ImportExportTab::importText);
    connect(importTextFile_, &QPushButton::clicked, this, [this] { viewModel().importOtpAuthTextFile(); });
    connect(importBackup_, &QPushButton::clicked, this, [this] { viewModel().importEncryptedBackup(); });
    connect(cancelImport_, &QPushButton::clicked, this, [this] { viewModel().cancelImport(); });
    connect(&viewModel(), &QuorbitViewModel::importRunningChanged, this, &ImportExportTab::followImportRunning);
    connect(&viewModel(), &QuorbitViewModel::lockStateChanged, this, [this] {
        if (!viewModel().isUnlocked()) forgetPastedText();
    });
}

void ImportExportTab::buildExport() {
    export_ = addSection();
    exportBackup_ = named(new SymbolButton(QStringLiteral("lock.doc")), objectnames::settings::exportBackupButton);
    exportURIs_ = named(new SymbolButton(QStringLiteral("exclamationmark.triangle"), SymbolButton::Role::destructive),
                        objectnames::settings::exportURIsButton);
    recoveryKit_ = named(new SymbolButton(QStringLiteral("briefcase")), objectnames::settings::recoveryKitButton);
    exportNote_ = makeNote();
    export_->addWidget(exportBackup_, Qt::AlignLeft);
    export_->addWidget(exportURIs_, Qt::AlignLeft);
    export_->addWidget(recoveryKit_, Qt::AlignLeft);
    export_->addWidget(exportNote_);
    connect(exportBackup_, &QPushButton::clicked, this, [this] { viewModel().exportEncryptedBackup(); });
    connect(exportURIs_, &QPushButton::clicked, this, [this] { viewModel().exportOtpAuthURIs(); });
    connect(recoveryKit_, &QPushButton::clicked, this, &ImportExportTab::createRecoveryKit);
}

void ImportExportTab::buildDangerZone() {
    danger_ = addSection();
    deleteAll_ = named(new SymbolButton(QStringLiteral("trash"), SymbolButton::Role::destructive),
                       objectnames::settings::deleteAllButton);
    dangerNote_ = makeNote();
    danger_->addWidget(deleteAll_, Qt::AlignLeft);
    danger_->addWidget(dangerNote_);
    connect(deleteAll_, &QPushButton::clicked, this, [this] { viewModel().deleteAllTokensWithConfirmation(); });
}

void ImportExportTab::updateImportTextEnabled() {
    importText_->setEnabled(!viewModel().isImportRunning() && !uriText_->toPlainText().trimmed().isEmpty());
}

void ImportExportTab::followImportRunning() {
    const bool running = viewModel().isImportRunning();
    importTextFile_->setEnabled(!running);
    importBackup_->setEnabled(!running);
    cancelImport_->setVisible(running);
    updateImportTextEnabled();
}

// Pasted links carry secrets, which must not outlast the unlock: the text and its undo
// history go. Qt gives no way to overwrite the document's own buffer before it is freed.
void ImportExportTab::forgetPastedText() {
    uriText_->clear();
    uriText_->document()->clearUndoRedoStacks();
}

void ImportExportTab::importText() {
    // Handed over as it stands: the import reads line by line and keeps the editor's text.
    detach(viewModel().importOtpAuthText(uriText_->toPlainText().toStdString()));
}

void ImportExportTab::createRecoveryKit() {
    const std::optional<std::filesystem::path> folder = viewModel().dialogs().chooseFolder(
        text("Select destination folder", "Выберите папку для сохранения").toStdString());
    if (folder) viewModel().createRecoveryKit(*folder);
}

void ImportExportTab::refresh() {
    header()->setTexts(text("Import / Export", "Импорт / Экспорт"),
                       text("Migration tools are real actions. Encrypted backup is the safe default.",
                            "Инструменты миграции. Зашифрованный бекап - безопасный выбор по умолчанию."));
    import_->setTitle(text("Import", "Импорт"));
    importQRImage_->setLabel(text("Import QR image", "Импорт QR-изображения"));
    readQRFromScreen_->setLabel(text("Read QR from Screen", "Сканировать QR с экрана"));
    uriTitle_->setTextIfChanged(text("Import otpauth URI text", "Импорт текста otpauth URI"));
    importText_->setLabel(text("Import Text", "Импорт текста"));
    importTextFile_->setLabel(text("Import Text File", "Импорт текстового файла"));
    importBackup_->setLabel(text("Import Encrypted Backup", "Импорт зашифрованной копии"));
    cancelImport_->setLabel(text("Cancel Import", "Отменить импорт"));

    export_->setTitle(text("Export", "Экспорт"));
    exportBackup_->setLabel(text("Export Encrypted Backup", "Экспорт зашифрованной копии"));
    exportURIs_->setLabel(text("Export Standard otpauth URIs", "Экспорт стандартных otpauth URI"));
    recoveryKit_->setLabel(text("Create Recovery Kit", "Создать набор для восстановления"));
    exportNote_->setTextIfChanged(
        text("Standard otpauth export is intentionally marked dangerous because it writes secrets in plain text.",
             "Стандартный экспорт сохраняет секреты в открытом виде."));

    danger_->setTitle(text("Danger Zone", "Опасная зона"));
    deleteAll_->setLabel(text("Delete All Tokens", "Удалить все токены"));
    dangerNote_->setTextIfChanged(
        text("Deletes local metadata and every linked secret in the system keyring after two confirmations.",
             "Удаляет все локальные данные."));
}

}  // namespace quorbit
