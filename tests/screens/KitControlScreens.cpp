#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include <limits>

#include "screens/ScreenRegistry.h"
#include "ui/kit/ClampedLabel.h"
#include "ui/kit/CountdownRing.h"
#include "ui/kit/FlowLayout.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/HotpCounterBadge.h"
#include "ui/kit/Palette.h"
#include "ui/kit/SegmentedControl.h"
#include "ui/kit/Stepper.h"

namespace quorbit::screens {
namespace {

// A fixed-size widget drawn by a function, for the parts that only paint.
class PaintedWidget : public QWidget {
public:
    PaintedWidget(QSize size, std::function<void(QPainter&, const QRectF&, const Palette&)> paint)
        : paint_(std::move(paint)) {
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter, QRectF(rect()), Palette(palette()));
    }

private:
    std::function<void(QPainter&, const QRectF&, const Palette&)> paint_;
};

QLabel* caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

bool russian(const ScreenContext& context) { return context.language == AppLanguage::russian; }

SegmentedControl* segmented(const QStringList& titles, int current) {
    auto* control = new SegmentedControl;
    control->setSegments(titles);
    control->setCurrentIndex(current);
    return control;
}

Stepper* stepper(std::int64_t minimum, std::int64_t maximum, std::int64_t step, std::int64_t value,
                 const QString& suffix = {}) {
    auto* control = new Stepper;
    control->setRange(minimum, maximum);
    control->setStep(step);
    control->setSuffix(suffix);
    control->setValue(value);
    return control;
}

const ScreenRegistration controlsScreen("kit-controls", [](const ScreenContext& context) {
    auto panel = std::make_unique<GlassPanel>(GlassPanel::sectionRadius);
    auto* form = new QFormLayout(panel.get());
    form->setContentsMargins(16, 14, 16, 14);
    const bool ru = russian(context);
    form->addRow(ru ? "Тип" : "Type", segmented({"TOTP", "HOTP"}, 0));
    form->addRow(ru ? "Символов" : "Digits", segmented({"6", "7", "8"}, 2));
    form->addRow(
        ru ? "Тема" : "Theme",
        segmented(ru ? QStringList{"Системная", "Светлая", "Тёмная"} : QStringList{"System", "Light", "Dark"}, -1));
    form->addRow(ru ? "Период" : "Period", stepper(10, 120, 5, 30, " s"));
    form->addRow(ru ? "Загружено" : "Loaded", stepper(10, 120, 5, 200, " s"));
    form->addRow(ru ? "HOTP счетчик" : "HOTP counter",
                 stepper(0, std::numeric_limits<std::int64_t>::max(), 1, std::numeric_limits<std::int64_t>::max()));
    auto* note = new ClampedLabel(2);
    note->setText(ru ? "Длинная подпись, которая не помещается в две строки, заканчивается многоточием, а не "
                       "растягивает окно вниз без конца."
                     : "A long caption that does not fit on two lines ends in an ellipsis instead of stretching "
                       "the window downwards without end.");
    form->addRow(ru ? "Подпись" : "Caption", note);
    return onBackdrop(std::move(panel), 392);
});

const ScreenRegistration flowScreen("kit-flow-layout", [](const ScreenContext& context) {
    std::vector<std::unique_ptr<QWidget>> panels;
    const QStringList tags{
        "Work",    "Personal",
        "Finance", "Email",
        "Dev",     "Travel",
        "Privacy", context.language == AppLanguage::russian ? "Очень длинный тег" : "A very long tag name"};
    for (int width : {368, 200, 80}) {
        auto panel = std::make_unique<GlassPanel>(GlassPanel::rowRadius);
        auto* outer = new QVBoxLayout(panel.get());
        outer->setContentsMargins(8, 8, 8, 8);
        auto* chips = new QWidget;
        // The widest one takes what the backdrop offers, so its height comes from height-for-width.
        if (width < 368) chips->setFixedWidth(width - 16);
        auto* flow = new FlowLayout(chips, 6);
        for (const QString& tag : tags) {
            auto* chip = new QPushButton(tag);
            chip->setCheckable(true);
            chip->setChecked(tag == "Work" || tag == "Dev");
            flow->addWidget(chip);
        }
        outer->addWidget(chips);
        if (width < 368) panel->setFixedWidth(width);
        panels.push_back(std::move(panel));
    }
    return stackedOnBackdrop(std::move(panels), 392);
});

const ScreenRegistration indicatorScreen("kit-ring-and-badge", [](const ScreenContext&) {
    auto sheet = std::make_unique<QWidget>();
    auto* grid = new QGridLayout(sheet.get());
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<std::int64_t, std::int64_t> rings[] = {{30, 30}, {22, 30}, {6, 30}, {5, 30},
                                                           {0, 30},  {-3, 30}, {12, 0}};
    int column = 0;
    for (const auto& [value, total] : rings) {
        grid->addWidget(
            new PaintedWidget(QSize(CountdownRing::side, CountdownRing::side),
                              [value, total](QPainter& painter, const QRectF& frame, const Palette& colors) {
                                  CountdownRing(value, total).paint(painter, frame, colors);
                              }),
            0, column, Qt::AlignCenter);
        grid->addWidget(caption(QStringLiteral("%1/%2").arg(value).arg(total)), 1, column++);
    }
    const std::int64_t counters[] = {0, 42, 123456, -1, std::numeric_limits<std::int64_t>::max()};
    column = 0;
    for (std::int64_t counter : counters) {
        grid->addWidget(new PaintedWidget(QSize(HotpCounterBadge::width, HotpCounterBadge::height),
                                          [counter](QPainter& painter, const QRectF& frame, const Palette& colors) {
                                              HotpCounterBadge(counter).paint(painter, frame, colors);
                                          }),
                        2, column++, Qt::AlignCenter);
    }
    return onBackdrop(std::move(sheet), 392);
});

}  // namespace
}  // namespace quorbit::screens
