// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's main window, paused so that nothing moves between two
// pictures of it; on the line "settings" on standard input its settings
// window, opened with a click on Setup, and on the line "names" the names
// dialog instead, opened with a click on player 1's name. Prints "main",
// "Settings" and "names" (the windows' object names) once each is on the screen. The Wayland
// end-to-end test photographs them, as a compositor without input devices lets no one click.
#include "settings/settings_window.h"
#include "ui/main_window.h"
#include "widgets/picture_book.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace {

// Prints `name` once the modal window of that object name is on the screen
// and painted.
void ReportWhenShown(QObject& owner, const char* name) {
    auto* poll = new QTimer(&owner);
    QObject::connect(poll, &QTimer::timeout, poll, [name, poll] {
        QWidget* window = QApplication::activeModalWidget();
        if (window != nullptr && window->objectName() == QLatin1String(name) &&
            window->windowHandle()->isExposed()) {
            poll->deleteLater();
            // A moment for the first frame to reach the compositor.
            QTimer::singleShot(300, [name] {
                std::printf("%s\n", name);
                std::fflush(stdout);
            });
        }
    });
    poll->start(20);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zorvik::PictureBook book;
    zorvik::MainWindow window(book, 1);
    window.SetTimerEnabled(false);
    window.show();
    auto* shown = new QTimer(&window);
    QObject::connect(shown, &QTimer::timeout, shown, [&window, shown] {
        if (window.windowHandle()->isExposed()) {
            shown->deleteLater();
            QTimer::singleShot(300, [] {
                std::printf("main\n");
                std::fflush(stdout);
            });
        }
    });
    shown->start(20);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        char line[64] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0) {
            input.setEnabled(false);
            return;
        }
        const bool settings = QByteArray(line).trimmed() == "settings";
        ReportWhenShown(window, settings ? "Settings" : "names");
        if (QWidget* open = QApplication::activeModalWidget()) {
            open->close();
        }
        QTimer::singleShot(0, &window, [&window, settings] {
            const char* control = settings ? "setupWord" : "player1Name";
            QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(control)), Qt::LeftButton);
        });
    });
    return QApplication::exec();
}
