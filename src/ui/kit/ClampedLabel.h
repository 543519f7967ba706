#pragma once

#include <QString>
#include <QWidget>

namespace quorbit {

// Plain text wrapped at word boundaries onto at most maxLines lines (below 1: no limit); text
// that does not fit ends in an ellipsis on the last line.
class ClampedLabel : public QWidget {
    Q_OBJECT
public:
    explicit ClampedLabel(int maxLines, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    int maxLines() const noexcept { return maxLines_; }

    // The lines as drawn at `width`, the last one elided when text was cut.
    QStringList visibleLines(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int lineHeight() const;

    QString text_;
    int maxLines_;
};

}  // namespace quorbit
