#pragma once

#include <QString>
#include <QWidget>

namespace quorbit {

// The product icon in a square with rounded corners (radius 0.22 of the side); when the icon
// cannot be loaded, the "desktopcomputer" symbol in the accent colour, inset by 0.16 of the side.
class BrandIconView : public QWidget {
    Q_OBJECT
public:
    static inline const QString defaultIconPath = QStringLiteral(":/icons/quorbit.svg");

    BrandIconView(qreal size, bool accessibilityHidden, QWidget* parent = nullptr, QString iconPath = defaultIconPath);

    bool showsBrandIcon() const noexcept { return hasIcon_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal size_;
    QString iconPath_;
    bool hasIcon_;
};

}  // namespace quorbit
