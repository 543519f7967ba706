#include "ui/windows/WalletQrSheet.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ObjectNames.h"
#include "ui/kit/ContinuousRoundedRect.h"
#include "ui/kit/LocalizedText.h"
#include "ui/kit/Palette.h"
#include "ui/kit/PlainLabel.h"
#include "ui/kit/ProminentButton.h"
#include "ui/kit/TextTone.h"
#include "ui/kit/Typography.h"
#include "ui/windows/AddressText.h"
#include "ui/windows/QrCodeImage.h"

namespace quorbit {
namespace {

constexpr int tilePadding = 10;
constexpr qreal tileRadius = 12;

// The code on a white rounded tile; scaled by whole modules, so it is drawn without smoothing.
QPixmap qrTile(const QImage& code) {
    const int side = WalletQrSheet::qrSide + 2 * tilePadding;
    QPixmap tile(side, side);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ContinuousRoundedRect::path(QRectF(0, 0, side, side), tileRadius), Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect target((side - code.width()) / 2, (side - code.height()) / 2, code.width(), code.height());
    painter.drawImage(target, code);
    return tile;
}

}  // namespace

WalletQrSheet::WalletQrSheet(const DonationWallet& wallet, AppLanguage language, QWidget* parent)
    : QDialog(parent), wallet_(wallet) {
    setObjectName(objectnames::about::qrSheet);
    setWindowTitle(toQString(wallet_.title));
    setWindowModality(Qt::WindowModal);
    setFixedWidth(sheetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(14);

    auto* title = new PlainLabel(Typography::font(TextStyle::title3, QFont::DemiBold), toQString(wallet_.title));
    layout->addWidget(title, 0, Qt::AlignHCenter);

    auto* code = new QLabel;
    code->setObjectName(objectnames::about::qrImage);
    if (const std::optional<QImage> image = QrCodeImage::make(toQString(wallet_.address), qrSide)) {
        code->setPixmap(qrTile(*image));
    } else {
        code->setText(localized(language, "Could not generate QR code.", "Не удалось создать QR-код."));
        TextTone::apply(code, TextTone::secondary);
    }
    layout->addWidget(code, 0, Qt::AlignHCenter);

    layout->addWidget(
        new AddressText(toQString(wallet_.address), Typography::monospaced(TextStyle::footnote), 4, Qt::AlignHCenter));

    auto* close = new ProminentButton;
    close->setText(localized(language, "Close", "Закрыть"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

}  // namespace quorbit
