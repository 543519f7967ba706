#pragma once

#include <optional>

#include <QScrollArea>
#include <QString>

class QVBoxLayout;

namespace quorbit {

class StyledLabel;

// One page of the settings window: its blocks one under the other, 16 px apart, scrolling
// vertically, with the status line at the foot only while there is a status.
class SettingsScrollView : public QScrollArea {
    Q_OBJECT
public:
    explicit SettingsScrollView(QWidget* parent = nullptr);

    // Adds a block under the ones added before.
    void addBlock(QWidget* block);
    // Wraps as often as it needs; hidden when there is none.
    void setStatus(const std::optional<QString>& status);
    StyledLabel* statusLabel() const { return status_; }

private:
    QVBoxLayout* blocks_;
    StyledLabel* status_;
};

}  // namespace quorbit
