#include "ui/platform/AlertBox.h"

#include <QCheckBox>
#include <QPushButton>

#include "ui/kit/Palette.h"
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
    if (alert.destructive && alert.cancelButton) {
        addDestructiveButtons(alert.firstButton, *alert.cancelButton);
    } else {
        first_ = addButton(plainButtonText(alert.firstButton), QMessageBox::AcceptRole);
        setDefaultButton(first_);
        setEscapeButton(alert.cancelButton ? addButton(plainButtonText(*alert.cancelButton), QMessageBox::RejectRole)
                                           : first_);
    }
    if (alert.checkBoxTitle) {
        auto* checkBox = new QCheckBox(qText(*alert.checkBoxTitle), this);
        checkBox->setChecked(alert.checkBoxChecked);
        setCheckBox(checkBox);
    }
    // Without a window of ours to sit on, it must not open behind the always-on-top panel.
    if (!parent) setWindowFlag(Qt::WindowStaysOnTopHint);
}

// Cancel comes first and answers Return and Escape; the destructive button is painted in red.
// Both take the action role, the one role that every platform's button order keeps as added.
void AlertBox::addDestructiveButtons(const std::string& destructive, const std::string& cancel) {
    QPushButton* cancelButton = addButton(plainButtonText(cancel), QMessageBox::ActionRole);
    first_ = addButton(plainButtonText(destructive), QMessageBox::ActionRole);
    QPalette red = first_->palette();
    red.setColor(QPalette::ButtonText, Palette(red).red());
    first_->setPalette(red);
    setDefaultButton(cancelButton);
    setEscapeButton(cancelButton);
}

DialogPresenter::AlertAnswer AlertBox::answer() const {
    return {.firstButtonChosen = clickedButton() == first_, .checkBoxChecked = checkBox() && checkBox()->isChecked()};
}

}  // namespace quorbit
