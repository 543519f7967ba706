#pragma once

#include <QString>

#include <cstdint>

class QPainter;
class QRectF;

namespace quorbit {

class Palette;

// "HOTP" over "#<counter>" in orange on a faint orange rounded square. Painted by its owner.
class HotpCounterBadge {
public:
    static constexpr int width = 34;
    static constexpr int height = 30;

    explicit HotpCounterBadge(std::int64_t counter) : counter_(counter) {}

    QString text() const;
    void paint(QPainter& painter, const QRectF& frame, const Palette& colors) const;

private:
    std::int64_t counter_;
};

}  // namespace quorbit
