#include "ui/platform/AlertBox.h"

#include <QCheckBox>
#include <QPushButton>

#include "ui/platform/PlainButtonText.h"

namespace quorbit {
namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }


QMessageBox::Icon iconOf(DialogPresenter::AlertStyle style) {
    switch (style) {
    case DialogPresenter::AlertStyle::warning: return QMessageBox::Warning;
    case DialogPresenter::AlertStyle::critical: return QMessageBox::Critical;
    case DialogPresenter::AlertStyle::informational: break;
    }
    return QMessageBox::Information;
}

}  // namespace

AlertBox::AlertBox(const DialogPresenter::Alert& alert, QWidget* parent) : QMessageBox(parent) {
    setTextFormat(Qt::PlainText);
    setIcon(iconOf(alert.style));
    setWindowTitle(QStringLiteral("Quorbit"));
    setText(qText(alert.message));
    setInformativeText(qText(alert.informativeText));
    QPushButton* first = addButton(plainButtonText(alert.firstButton), QMessageBox::AcceptRole);
    first_ = first;
    setDefaultButton(first);
    setEscapeButton(alert.cancelButton ? addButton(plainButtonText(*alert.cancelButton), QMessageBox::RejectRole) : first);
    if (alert.checkBoxTitle) {
        auto* checkBox = new QCheckBox(qText(*alert.checkBoxTitle), this);
        checkBox->setChecked(alert.checkBoxChecked);
        setCheckBox(checkBox);
    }
    // Without a window of ours to sit on, it must not open behind the always-on-top panel.
    if (!parent) setWindowFlag(Qt::WindowStaysOnTopHint);
}

DialogPresenter::AlertAnswer AlertBox::answer() const {
    return {.firstButtonChosen = clickedButton() == first_, .checkBoxChecked = checkBox() && checkBox()->isChecked()};
}

}  // namespace quorbit
