#pragma once

#include <QImage>

#include <string>

namespace quorbit::test {

// A QR code of `text` (UTF-8) drawn with ZXing's writer, `moduleSize` pixels per module and a
// four-module quiet zone; dark on light unless `lightOnDark`.
QImage qrCodeImage(const std::string& text, int moduleSize = 6, bool lightOnDark = false);

}  // namespace quorbit::test
