#pragma once

#include <QMessageBox>

#include "application/ports/DialogPresenter.h"

namespace quorbit {

// One alert of the view model: its icon by style, plain texts, the first button as the
// default and the cancel button (if any) as the Escape answer, the optional check box. In an
// alert that destroys, Cancel comes first and is both the default and the Escape answer.
class AlertBox final : public QMessageBox {
    Q_OBJECT

public:
    AlertBox(const DialogPresenter::Alert& alert, QWidget* parent = nullptr);

    // What the user answered; read after the box has run.
    DialogPresenter::AlertAnswer answer() const;

private:
    void addDestructiveButtons(const std::string& destructive, const std::string& cancel);

    QPushButton* first_ = nullptr;
};

}  // namespace quorbit
