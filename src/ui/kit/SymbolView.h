#pragma once

#include <QString>
#include <QWidget>

namespace quorbit {

// One of our symbols in a square, tinted with the theme's text colour at `alpha` when painted,
// so it follows a theme change.
class SymbolView : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal secondary = 0.55;

    SymbolView(QString name, int side, qreal alpha, QWidget* parent = nullptr);

    const QString& name() const noexcept { return name_; }
    void setName(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    qreal alpha_;
};

}  // namespace quorbit
