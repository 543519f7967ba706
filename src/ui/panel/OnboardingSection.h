#pragma once

#include <QWidget>

class QLabel;

namespace quorbit {

class SymbolView;

// One step of the introduction: a symbol and a title over a wrapping message.
class OnboardingSection : public QWidget {
    Q_OBJECT
public:
    explicit OnboardingSection(QWidget* parent = nullptr);

    void setContent(const QString& symbol, const QString& title, const QString& message);
    QString title() const;

private:
    SymbolView* icon_;
    QLabel* title_;
    QLabel* message_;
};

}  // namespace quorbit
