#pragma once

#include "domain/AccountFilterSelection.h"
#include "domain/AppLanguage.h"
#include "ui/kit/GlassPanel.h"

class QLabel;

namespace quorbit {

class SymbolView;

// Takes the place of the account list when it is empty: what the selected filter would show
// and how to fill it. A search without a hit shows the filter's state too.
class EmptyAccountsView : public GlassPanel {
    Q_OBJECT
public:
    explicit EmptyAccountsView(QWidget* parent = nullptr);

    void setFilter(const AccountFilterSelection& filter, AppLanguage language);
    QString iconName() const;

private:
    SymbolView* icon_;
    QLabel* title_;
    QLabel* message_;
};

}  // namespace quorbit
