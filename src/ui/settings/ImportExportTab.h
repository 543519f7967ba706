#pragma once

#include "ui/settings/SettingsPage.h"

class QPlainTextEdit;

namespace quorbit {

class SettingsSection;
class StyledLabel;
class SymbolButton;

// Where accounts come in (QR image, screen, pasted or filed otpauth text, encrypted backup)
// and go out (encrypted backup, plain otpauth list, Recovery Kit), and deleting everything.
// The pasted text stays in the editor whatever the import did, until the vault locks. While an
// import of many accounts runs, the other imports wait and a Cancel stops it.
class ImportExportTab : public SettingsPage {
    Q_OBJECT
public:
    explicit ImportExportTab(QuorbitViewModel& viewModel, QWidget* parent = nullptr);

protected:
    void refresh() override;

private:
    void buildImport();
    void buildExport();
    void buildDangerZone();
    void updateImportTextEnabled();
    void followImportRunning();
    void importText();
    void forgetPastedText();
    void createRecoveryKit();

    SettingsSection* import_;
    SymbolButton* importQRImage_;
    SymbolButton* readQRFromScreen_;
    StyledLabel* uriTitle_;
    QPlainTextEdit* uriText_;
    SymbolButton* importText_;
    SymbolButton* importTextFile_;
    SymbolButton* importBackup_;
    SymbolButton* cancelImport_;
    SettingsSection* export_;
    SymbolButton* exportBackup_;
    SymbolButton* exportURIs_;
    SymbolButton* recoveryKit_;
    StyledLabel* exportNote_;
    SettingsSection* danger_;
    SymbolButton* deleteAll_;
    StyledLabel* dangerNote_;
};

}  // namespace quorbit
