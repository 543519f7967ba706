#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "screens/ScreenRegistry.h"
#include "support/views/UsedSymbols.h"
#include "ui/kit/BrandIconView.h"
#include "ui/kit/GlassPanel.h"
#include "ui/kit/IconFactory.h"
#include "ui/kit/Palette.h"
#include "ui/kit/Typography.h"

namespace quorbit::screens {
namespace {

QLabel* label(const QString& text, const QFont& font, const QColor& color) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

std::unique_ptr<QWidget> glassPanel(qreal radius, const QString& caption) {
    auto panel = std::make_unique<GlassPanel>(radius);
    auto* layout = new QVBoxLayout(panel.get());
    layout->setContentsMargins(16, 14, 16, 14);
    const Palette colors(panel->palette());
    layout->addWidget(label(caption, Typography::font(TextStyle::headline), colors.primaryText()));
    layout->addWidget(label(QStringLiteral("Rounded, translucent, hairline border"),
                            Typography::font(TextStyle::callout), colors.secondaryText()));
    return panel;
}

const ScreenRegistration glassScreen("kit-glass-panels", [](const ScreenContext&) {
    std::vector<std::unique_ptr<QWidget>> panels;
    panels.push_back(glassPanel(GlassPanel::rowRadius, QStringLiteral("Radius 14: rows, search, cards")));
    panels.push_back(glassPanel(GlassPanel::sectionRadius, QStringLiteral("Radius 16: settings sections")));
    panels.push_back(glassPanel(GlassPanel::cardRadius, QStringLiteral("Radius 22: lock screen, forms")));
    return stackedOnBackdrop(std::move(panels), 392);
});

const ScreenRegistration brandScreen("kit-brand-icon", [](const ScreenContext&) {
    auto row = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(row.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(new BrandIconView(40, true));
    layout->addWidget(new BrandIconView(52, true));
    layout->addWidget(new BrandIconView(128, true));
    layout->addWidget(new BrandIconView(40, true, nullptr, QStringLiteral(":/icons/missing.svg")));
    layout->addWidget(new BrandIconView(52, true, nullptr, QStringLiteral(":/icons/missing.svg")));
    layout->addStretch();
    return onBackdrop(std::move(row), 392);
});

const ScreenRegistration symbolsScreen("kit-symbols", [](const ScreenContext&) {
    auto sheet = std::make_unique<QWidget>();
    auto* grid = new QGridLayout(sheet.get());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    const Palette colors(sheet->palette());
    const QStringList names = test::usedSymbols();
    constexpr int columns = 3;
    for (int i = 0; i < names.size(); ++i) {
        auto* cell = new QWidget;
        auto* cellLayout = new QHBoxLayout(cell);
        cellLayout->setContentsMargins(0, 0, 0, 0);
        cellLayout->setSpacing(6);
        for (int side : {12, 16, 24}) {
            auto* icon = new QLabel;
            icon->setPixmap(IconFactory::pixmap(names[i], QSize(side, side), colors.primaryText()));
            cellLayout->addWidget(icon);
        }
        cellLayout->addWidget(label(names[i], Typography::font(TextStyle::caption2), colors.secondaryText()), 1);
        grid->addWidget(cell, i / columns, i % columns);
    }
    return onBackdrop(std::move(sheet), 760);
});

const ScreenRegistration typographyScreen("kit-typography", [](const ScreenContext& context) {
    auto sheet = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(sheet.get());
    layout->setContentsMargins(0, 0, 0, 0);
    const Palette colors(sheet->palette());
    const QString sample = context.language == AppLanguage::russian ? QStringLiteral("Съешь же ещё этих булок")
                                                                    : QStringLiteral("The quick brown fox");
    const std::pair<const char*, TextStyle> styles[] = {
        {"largeTitle 26", TextStyle::largeTitle},  {"title 22", TextStyle::title},
        {"title2 17", TextStyle::title2},          {"title3 15", TextStyle::title3},
        {"headline 13 bold", TextStyle::headline}, {"body 13", TextStyle::body},
        {"callout 12", TextStyle::callout},        {"subheadline 11", TextStyle::subheadline},
        {"footnote 10", TextStyle::footnote},      {"caption2 10", TextStyle::caption2},
    };
    for (const auto& [name, style] : styles) {
        layout->addWidget(label(QString::fromLatin1(name) + QStringLiteral(": ") + sample, Typography::font(style),
                                colors.primaryText()));
    }
    layout->addWidget(label(QStringLiteral("482 913  4829 1375"),
                            Typography::monospaced(TextStyle::title3, QFont::DemiBold), colors.primaryText()));
    layout->addWidget(
        label(QStringLiteral("secondary 55 %"), Typography::font(TextStyle::body), colors.secondaryText()));
    layout->addWidget(label(QStringLiteral("tertiary 35 %"), Typography::font(TextStyle::body), colors.tertiaryText()));
    return onBackdrop(std::move(sheet), 392);
});

const ScreenRegistration paletteScreen("kit-palette", [](const ScreenContext&) {
    auto sheet = std::make_unique<QWidget>();
    auto* layout = new QGridLayout(sheet.get());
    layout->setContentsMargins(0, 0, 0, 0);
    const Palette colors(sheet->palette());
    const std::pair<const char*, QColor> swatches[] = {
        {"accent", colors.accent()}, {"orange", colors.orange()}, {"green", colors.green()}, {"red", colors.red()},
        {"blue", colors.blue()},     {"purple", colors.purple()}, {"gray", colors.gray()},
    };
    int row = 0;
    for (const auto& [name, color] : swatches) {
        QPixmap chip(28, 16);
        chip.fill(color);
        auto* swatch = new QLabel;
        swatch->setPixmap(chip);
        layout->addWidget(swatch, row, 0);
        layout->addWidget(label(QString::fromLatin1(name), Typography::font(TextStyle::body), color), row, 1);
        ++row;
    }
    return onBackdrop(std::move(sheet), 392);
});

}  // namespace
}  // namespace quorbit::screens
