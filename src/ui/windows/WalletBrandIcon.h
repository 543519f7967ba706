#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace quorbit {

// A network's mark on a white tile with an outline in the wallet's accent colour; the coin
// symbol when the mark cannot be loaded.
class WalletBrandIcon : public QWidget {
    Q_OBJECT
public:
    static constexpr int side = 30;

    WalletBrandIcon(const QString& logoFileName, const QColor& accent, QWidget* parent = nullptr);

    bool showsLogo() const noexcept { return hasLogo_; }
    QSize sizeHint() const override { return {side, side}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString logoPath_;
    QColor accent_;
    bool hasLogo_;
};

}  // namespace quorbit
