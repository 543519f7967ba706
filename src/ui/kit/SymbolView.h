#pragma once

#include <QString>
#include <QWidget>

#include "ui/kit/Palette.h"

namespace quorbit {

// One of our symbols in a square, tinted when painted (so it follows a theme change): with the
// theme's text colour at `alpha`, or with one of the palette's named colours.
class SymbolView : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal secondary = 0.55;

    SymbolView(QString name, int side, qreal alpha, QWidget* parent = nullptr);
    SymbolView(QString name, int side, Palette::Tint tint, QWidget* parent = nullptr);

    const QString& name() const noexcept { return name_; }
    void setName(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    Palette::Tint tint_;
    qreal alpha_;
};

}  // namespace quorbit
