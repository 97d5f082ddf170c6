// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's main window, set up as the game sets it up, for the
// accessibility test to work over the accessibility bus and for the Wayland
// test to photograph, as a compositor without input devices lets no one
// click. Lines on standard input do what no control can: "level" and
// "message" show the end screen of a level or of a game, "close" closes the
// modal window on top, "bite" gives player 1 a score and takes half his
// power, shown from the next tick; "pause" stops the game, so that nothing
// moves between two pictures, and "settings" clicks Setup.
#include "app/start_application.h"
#include "tests/kit/opened_game.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <unistd.h>

int main(int argc, char* argv[]) {
    const auto app = zorvik::StartApplication(argc, argv);
    zorvik::testkit::OpenedGame game;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream lines(stdin);
    QObject::connect(&input, &QSocketNotifier::activated, &game.table, [&] {
        const QString line = lines.readLine();
        if (line == u"bite") {
            game.access.player(1).score = 500;
            game.access.player(1).power = 1185;
        } else if (line == u"pause") {
            game.table.SetTimerEnabled(false);
        } else if (line == u"settings") {
            zorvik::testkit::Click(game.table, QStringLiteral("setupWord"));
        } else if (line == u"close") {
            QApplication::activeModalWidget()->close();
        } else if (line == u"level") {
            // The end screen runs an event loop of its own that must still
            // hear the next line.
            game.table.ShowEndScreen({zorvik::EndPicture::NextLevel, 2, {}});
        } else if (line == u"message") {
            game.table.ShowEndScreen({zorvik::EndPicture::GameOver,
                                      {},
                                      zorvik::EndMessage{zorvik::Outcome::BittenToDeath, 1}});
        } else if (lines.atEnd()) {
            input.setEnabled(false);
        }
    });
    return QApplication::exec();
}
