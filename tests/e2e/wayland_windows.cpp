// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's main window, paused so that nothing moves between two pictures
// of it, and, once anything comes on standard input, its settings window,
// opened with a click on Setup: the Wayland end-to-end test photographs
// them, as a compositor without input devices lets no one click.
#include "ui/main_window.h"
#include "widgets/picture_book.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTest>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zorvik::PictureBook book;
    zorvik::MainWindow window(book, 1);
    window.SetTimerEnabled(false);
    window.show();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        // Once only: the settings window runs an event loop of its own.
        input.setEnabled(false);
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("setupWord")), Qt::LeftButton);
    });
    return QApplication::exec();
}
