#pragma once

#include <QPlainTextEdit>

namespace quorbit {

// A wallet address: monospaced, selectable, broken anywhere (addresses have no spaces) and at
// most `maxLines` lines high; nothing else about it can be edited.
class AddressText : public QPlainTextEdit {
    Q_OBJECT
public:
    AddressText(const QString& address, const QFont& font, int maxLines, Qt::Alignment alignment,
                QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int heightForLines() const;

    int maxLines_;
};

}  // namespace quorbit
