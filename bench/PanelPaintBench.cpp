#include "support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <array>
#include <chrono>
#include <memory>
#include <string>

#include "ui/kit/Theme.h"
#include "ui/panel/AccountRow.h"

namespace {

using quorbit::bench::Comparison;

constexpr int rowCount = 100;
constexpr int panelWidth = 392;
constexpr int rowWidth = panelWidth - 24;

// A mix like a real list: TOTP with and without tags, favourites, HOTP, 6 and 8 digits.
quorbit::OtpAccount account(int index) {
    quorbit::OtpAccount account;
    account.id = quorbit::Uuid::random();
    account.issuer = "Service " + std::to_string(index);
    account.accountName = "user" + std::to_string(index) + "@example.com";
    if (index % 3 == 0) account.tags = {"Work", "Dev"};
    if (index % 7 == 0) account.isFavorite = true;
    if (index % 10 == 0) {
        account.type = quorbit::OtpType::hotp;
        account.hotpCounter = index;
    }
    if (index % 4 == 0) account.digits = 8;
    return account;
}

std::string code(const quorbit::OtpAccount& account, int tick) {
    return std::to_string(10'000'000 + tick * 7919 + account.hotpCounter).substr(0, std::size_t(account.digits));
}

// The texts a row shows, one label per row, as the simplest list would draw them.
QString labelText(const quorbit::OtpAccount& account, int tick, int seconds) {
    QString text = QString::fromStdString(account.issuer + "\n" + account.accountName);
    for (const std::string& tag : account.tags) text += QStringLiteral("  ") + QString::fromStdString(tag);
    return text + QStringLiteral("\n") + QString::fromStdString(code(account, tick)) + QStringLiteral("  ") +
           QString::number(seconds);
}

// A panel of 100 rows or labels, laid out once, painted into an image each iteration.
struct Panel {
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    QImage canvas;

    void finish() {
        widget->setFixedWidth(panelWidth);
        widget->resize(widget->sizeHint());
        widget->ensurePolished();
        widget->layout()->activate();
        canvas = QImage(widget->size(), QImage::Format_ARGB32_Premultiplied);
    }

    void paint() {
        canvas.fill(Qt::transparent);
        widget->render(&canvas);
    }
};

QVBoxLayout* listLayout(QWidget* widget) {
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    return layout;
}

// One tick of the refresh loop: every row gets its new code and seconds, then the panel repaints.
void paintRows(benchmark::State& state) {
    Panel panel;
    QVBoxLayout* layout = listLayout(panel.widget.get());
    std::vector<std::pair<quorbit::OtpAccount, quorbit::AccountRow*>> rows;
    for (int i = 0; i < rowCount; ++i) {
        auto* row = new quorbit::AccountRow;
        row->setFixedWidth(rowWidth);
        layout->addWidget(row);
        rows.emplace_back(account(i), row);
    }
    const quorbit::AppSettings settings;
    for (auto& [account, row] : rows) row->refresh(account, code(account, 0), 30, false, false, settings);
    panel.finish();
    int tick = 0;
    for (auto _ : state) {
        ++tick;
        for (auto& [account, row] : rows)
            row->refresh(account, code(account, tick), 30 - tick % 30, false, false, settings);
        panel.paint();
        benchmark::DoNotOptimize(panel.canvas.constBits());
    }
}
BENCHMARK(paintRows)->Unit(benchmark::kMillisecond);

void paintLabels(benchmark::State& state) {
    Panel panel;
    QVBoxLayout* layout = listLayout(panel.widget.get());
    std::vector<std::pair<quorbit::OtpAccount, QLabel*>> labels;
    for (int i = 0; i < rowCount; ++i) {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        label->setFixedWidth(rowWidth);
        layout->addWidget(label);
        labels.emplace_back(account(i), label);
    }
    for (auto& [account, label] : labels) label->setText(labelText(account, 0, 30));
    panel.finish();
    int tick = 0;
    for (auto _ : state) {
        ++tick;
        for (auto& [account, label] : labels) label->setText(labelText(account, tick, 30 - tick % 30));
        panel.paint();
        benchmark::DoNotOptimize(panel.canvas.constBits());
    }
}
BENCHMARK(paintLabels)->Unit(benchmark::kMillisecond);

const std::array comparisons{
    Comparison{"panel-tick-100-rows", "paintRows", "paintLabels", Comparison::Measure::time, 2.0},
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_STYLE_OVERRIDE", "Fusion");
    QApplication app(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    quorbit::Theme::apply(quorbit::AppTheme::light);
    return quorbit::bench::RatioReporter::run(argc, argv, comparisons);
}
