#pragma once

#include <QString>

#include <cstdint>

class QColor;
class QPainter;
class QRectF;

namespace quorbit {

class Palette;

// The seconds left in a time step as a ring that empties towards 12 o'clock, with the number in
// the middle; orange for the last five seconds. Painted by its owner, it has no state.
class CountdownRing {
public:
    static constexpr int side = 30;

    CountdownRing(std::int64_t value, std::int64_t total) : value_(value), total_(total) {}

    double progress() const;  // 0 for a period below 1 or no time left
    QString text() const;
    QColor color(const Palette& colors) const;

    void paint(QPainter& painter, const QRectF& frame, const Palette& colors) const;
    // The two layers of paint(): the faint full circle, which never changes, and the arc with the number.
    static void paintTrack(QPainter& painter, const QRectF& frame, const Palette& colors);
    void paintProgress(QPainter& painter, const QRectF& frame, const Palette& colors) const;

private:
    std::int64_t value_;
    std::int64_t total_;
};

}  // namespace quorbit
