#pragma once

#include <QObject>

class QWidget;

namespace quorbit {

// Draws the text of a widget that is not a label (the line-limited status line) in a fainter
// shade of the theme's text colour, and follows the theme when it changes while the widget
// lives (an explicitly set colour would not).
class TextTone : public QObject {
    Q_OBJECT
public:
    static constexpr qreal secondary = 0.55;
    static constexpr qreal tertiary = 0.35;

    static void apply(QWidget* widget, qreal alpha);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TextTone(QWidget* widget, qreal alpha);
    void refresh();

    QWidget* widget_;
    qreal alpha_;
};

}  // namespace quorbit
