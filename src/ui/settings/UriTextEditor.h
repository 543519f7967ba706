#pragma once

#include <QPlainTextEdit>

namespace quorbit {

// The editor of pasted otpauth text: monospaced, at least 92 px high, inside a faint rounded
// outline (radius 8).
class UriTextEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit UriTextEditor(QWidget* parent = nullptr);

    static constexpr int minimumEditorHeight = 92;
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
};

}  // namespace quorbit
