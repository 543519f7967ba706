#pragma once

#include <QWidget>

#include "domain/AppLanguage.h"
#include "domain/GoogleAuthAccount.h"

class QCheckBox;
class QLabel;

namespace quorbit {

// One decoded account of a migration payload with its tick box: name line, type, digits and
// algorithm, and a warning when the account cannot be imported. Tinted while ticked.
class AccountImportRow final : public QWidget {
    Q_OBJECT
public:
    AccountImportRow(const GoogleAuthAccount& account, AppLanguage language, QWidget* parent = nullptr);

    void setSelected(bool selected);
    void setLanguage(AppLanguage language);

signals:
    // The user clicked the tick box, whatever its new state.
    void toggled();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showTexts();

    GoogleAuthAccount account_;
    AppLanguage language_;
    bool selected_ = false;
    QCheckBox* check_;
    QLabel* title_;
    QLabel* separator_;
    QLabel* name_;
    QLabel* digits_;
    QWidget* invalid_;
};

}  // namespace quorbit
