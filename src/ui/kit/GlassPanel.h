#pragma once

#include <QWidget>

class QPainter;

namespace quorbit {

// The common rounded, translucent background: painted, not blurred (fill and hairline border).
// As a widget it is a container whose children lie on the glass; paint() serves custom-painted
// widgets such as the account row.
class GlassPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal rowRadius = 14;      // account rows, search field, donation cards
    static constexpr qreal sectionRadius = 16;  // settings and About sections
    static constexpr qreal cardRadius = 22;     // lock screen, empty state, add form, import, onboarding

    explicit GlassPanel(qreal cornerRadius, QWidget* parent = nullptr);

    qreal cornerRadius() const noexcept { return cornerRadius_; }

    static void paint(QPainter& painter, const QRectF& rect, qreal cornerRadius, const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal cornerRadius_;
};

}  // namespace quorbit
