// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the trainer's wake-ups: a Qt window of the trainer's size with a menu bar and
// nothing else, no timer. bench/wakeups.sh drives it exactly as it drives the trainer.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()
        ->addMenu(QStringLiteral("File"))
        ->addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    window.menuBar()->addAction(QStringLiteral("About"));
    auto* client = new QWidget(&window);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    window.resize(1432, 819 + window.menuBar()->sizeHint().height());
    window.show();
    qInfo("screen refresh rate: %g Hz", window.screen()->refreshRate());
    return app.exec();
}
