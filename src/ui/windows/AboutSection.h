#pragma once

#include "ui/kit/GlassPanel.h"

class QLabel;
class QVBoxLayout;

namespace quorbit {

// A card of the About view: a headline title over its content, 12 px apart, on glass.
class AboutSection : public GlassPanel {
    Q_OBJECT
public:
    explicit AboutSection(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void addContent(QWidget* content);
    void addContent(QLayout* content);

private:
    QLabel* title_;
    QVBoxLayout* layout_;
};

}  // namespace quorbit
