#pragma once

#include "domain/AppLanguage.h"
#include "ui/kit/GlassPanel.h"

class QLabel;
class QPushButton;

namespace quorbit {

// What the panel shows while the vault is locked: symbol, title, explanation and Unlock.
class LockScreen : public GlassPanel {
    Q_OBJECT
public:
    explicit LockScreen(QWidget* parent = nullptr);

    void setLanguage(AppLanguage language);
    QPushButton* unlockButton() const noexcept { return unlock_; }

signals:
    void unlockRequested();

private:
    QLabel* title_;
    QLabel* explanation_;
    QPushButton* unlock_;
};

}  // namespace quorbit
