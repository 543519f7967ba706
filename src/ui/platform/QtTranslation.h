#pragma once

#include <QObject>
#include <QTranslator>

#include <optional>

#include "domain/AppLanguage.h"

namespace quorbit {

class QuorbitViewModel;

// Qt's own texts (standard buttons, file dialogs, the line edit's menu) in the interface
// language: qtbase's catalogue from the system's Qt translations, installed application-wide
// and swapped when the language changes. Without the catalogue they stay English.
class QtTranslation final : public QObject {
    Q_OBJECT

public:
    explicit QtTranslation(QObject* parent = nullptr);
    ~QtTranslation() override;

    // Applies the language of the view model's settings now and on every change.
    void follow(const QuorbitViewModel& viewModel);
    void setLanguage(AppLanguage language);

private:
    std::optional<AppLanguage> language_;
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace quorbit
