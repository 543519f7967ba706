#pragma once

#include "ui/kit/GlassPanel.h"

class QLayout;
class QVBoxLayout;

namespace quorbit {

class StyledLabel;

// A titled card of a settings page on the glass background (radius 16): the title, then its
// content 12 px apart, 14 px inside the card.
class SettingsSection : public GlassPanel {
    Q_OBJECT
public:
    explicit SettingsSection(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    void addWidget(QWidget* widget, Qt::Alignment alignment = {});
    void addLayout(QLayout* layout);

private:
    QVBoxLayout* layout_;
    StyledLabel* title_;
};

}  // namespace quorbit
