// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's main window, paused so that nothing moves between two
// pictures of it, and on the line "settings" on standard input its settings
// window, opened with a click on Setup. Prints "main" and "settings" once
// each is on the screen. The Wayland end-to-end test photographs them, as
// a compositor without input devices lets no one click.
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

// Prints `name` once the window is on the screen and painted.
void ReportWhenShown(QWidget& window, const char* name) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, poll, [&window, name, poll] {
        if (window.isVisible() && window.windowHandle()->isExposed()) {
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
    ReportWhenShown(window, "main");

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        char line[64] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0) {
            input.setEnabled(false);
            return;
        }
        ReportWhenShown(window.settings(), "settings");
        QTimer::singleShot(0, &window, [&] {
            QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("setupWord")), Qt::LeftButton);
        });
    });
    return QApplication::exec();
}
