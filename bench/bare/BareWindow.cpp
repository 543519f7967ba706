// The start-up benchmark's yardstick: a bare Qt Widgets program that maps a 392 x 560 window
// and updates one label once a second.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto* label = new QLabel(&window);
    (new QVBoxLayout(&window))->addWidget(label);
    window.resize(392, 560);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, label, [label] { label->setText(QTime::currentTime().toString()); });
    tick.start(1000);
    window.show();
    return QApplication::exec();
}
