#include "ui/platform/WidgetDialogPresenter.h"

#include <QFileDialog>
#include <QImageReader>
#include <QMimeDatabase>

#include "ui/platform/AlertBox.h"
#include "ui/platform/DialogParent.h"
#include "ui/platform/PasswordDialog.h"

namespace quorbit {
namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }

QStringList mimeFilters(DialogPresenter::FileKind kind) {
    switch (kind) {
    case DialogPresenter::FileKind::image: {
        QStringList types;
        for (const QByteArray& type : QImageReader::supportedMimeTypes()) types << QString::fromLatin1(type);
        return types;
    }
    case DialogPresenter::FileKind::text:
        return {QStringLiteral("text/plain"), QStringLiteral("application/octet-stream")};
    case DialogPresenter::FileKind::anyFile: break;
    }
    return {};
}

// One entry for every file of the kind, chosen when the panel opens, before the single types.
void offerAllOfKindFirst(QFileDialog& dialog, const QStringList& mimeTypes, const QString& kindName) {
    const QMimeDatabase database;
    QStringList patterns;
    for (const QString& type : mimeTypes) {
        for (const QString& pattern : database.mimeTypeForName(type).globPatterns()) {
            if (!patterns.contains(pattern)) patterns << pattern;
        }
    }
    const QString allOfKind = kindName + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    dialog.setNameFilters(QStringList{allOfKind} + dialog.nameFilters());
    dialog.selectNameFilter(allOfKind);
}

std::optional<std::filesystem::path> chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

}  // namespace

void WidgetDialogPresenter::showWarning(const std::string& message, const std::string& dismissButtonTitle) {
    Alert alert;
    alert.style = AlertStyle::warning;
    alert.message = message;
    alert.firstButton = dismissButtonTitle;
    showAlert(alert);
}

DialogPresenter::AlertAnswer WidgetDialogPresenter::showAlert(const Alert& alert) {
    AlertBox box(alert, dialogParent());
    box.exec();
    return box.answer();
}

std::optional<SecretBytes> WidgetDialogPresenter::askPassword(const PasswordPrompt& prompt) {
    PasswordDialog dialog(prompt, dialogParent());
    return dialog.ask();
}

std::optional<std::filesystem::path> WidgetDialogPresenter::chooseFileToOpen(const OpenPanel& panel) {
    QFileDialog dialog(dialogParent(), qText(panel.title));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = mimeFilters(panel.kind);
    if (!filters.isEmpty()) dialog.setMimeTypeFilters(filters);
    if (!filters.isEmpty() && !panel.kindName.empty()) offerAllOfKindFirst(dialog, filters, qText(panel.kindName));
    return chosenPath(dialog);
}

std::optional<std::filesystem::path> WidgetDialogPresenter::chooseFileToSave(const SavePanel& panel) {
    QFileDialog dialog(dialogParent(), qText(panel.title));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(qText(panel.proposedName));
    return chosenPath(dialog);
}

// The text names the choosing button; the panel keeps the toolkit's own title.
std::optional<std::filesystem::path> WidgetDialogPresenter::chooseFolder(const std::string& prompt) {
    QFileDialog dialog(dialogParent());
    dialog.setLabelText(QFileDialog::Accept, qText(prompt));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenPath(dialog);
}

}  // namespace quorbit
