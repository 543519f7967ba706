#pragma once

#include <optional>

#include <QImage>
#include <QString>

namespace quorbit {

// A QR code of a text (UTF-8, error correction level M), drawn black on white with whole-pixel
// modules so that it stays sharp when shown without interpolation.
class QrCodeImage {
public:
    // At most `size` pixels square; none when the text cannot be encoded.
    static std::optional<QImage> make(const QString& text, int size);
};

}  // namespace quorbit
