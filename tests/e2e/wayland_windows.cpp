// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's main window, paused so that nothing moves between two pictures
// of it, and, once anything comes on standard input, its settings window,
// opened with a click on Setup: the Wayland end-to-end test photographs
// them, as a compositor without input devices lets no one click.
#include "tests/kit/opened_game.h"

#include <QApplication>
#include <QSocketNotifier>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zorvik::testkit::OpenedGame game;
    game.table.SetTimerEnabled(false);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &game.table, [&] {
        // Once only: the settings window runs an event loop of its own.
        input.setEnabled(false);
        zorvik::testkit::Click(game.table, QStringLiteral("setupWord"));
    });
    return QApplication::exec();
}
