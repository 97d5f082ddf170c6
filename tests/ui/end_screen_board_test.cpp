// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "board_pixels.h"
#include "tests/kit/opened_game.h"

#include "ui/board_view.h"

using namespace zorvik;
using namespace zorvik::testkit;

namespace {

// What the players read beside the board: both scores and both power bars.
QStringList PanelOf(QWidget& table) {
    QStringList panel{Text(table, "player1Score"), Text(table, "player2Score")};
    for (const char* bar : {"player1Power", "player2Power"}) {
        panel += QString::number(table.findChild<QWidget*>(bar)->width());
    }
    return panel;
}

// The ways a game ends: the options it is played with, a position set up
// so that the first tick plays on and the second ends the game.
const std::pair<const char*, std::function<void(OpenedGame&)>> kEndings[] = {
    // It runs into its own tail, curled up behind its head.
    {"crash",
     [](OpenedGame& main) {
         main.access.Place(1, kCurledSnake, kRight);
         main.access.player(1).score = 500;
     }},
    // Player 1's head, heading right on row 13, lands on snake 2 and turns
    // black; holding Ctrl, it bites the weak player 2 to death in the next tick.
    {"bite to death",
     [](OpenedGame& main) {
         main.Choose({"playersPicture"});
         main.access.Place(1, std::array{400, 401, 402, 403, 404, 405}, kRight);
         main.access.Place(2, std::array{346, 376, 406, 436}, kDown);
         main.access.player(1).score = 300;
         main.access.player(2).power = 70;
         QTest::keyPress(&main.table, Qt::Key_Control);
     }},
    // The 25th food of a campaign level is eaten in the first tick, and the
    // next level lays its walls.
    {"next level",
     [](OpenedGame& main) {
         main.Choose({"campaignOption"});
         main.access.OneMealFromTheEnd(1);
     }},
};

} // namespace

class EndScreenBoardTest : public QObject {
    Q_OBJECT
private slots:
    // Every ending starts the next game before its end screen shows. Behind
    // the screen the players must still see how the game ended and what they
    // scored, never the two games mixed, even where the board is painted
    // again meanwhile (a window passing over it); once the screen is gone
    // the fresh game shows whole.
    void theEndScreenShowsTheGameThatEnded() {
        for (const auto& [name, setUp] : kEndings) {
            OpenedGame main;
            QVERIFY(QTest::qWaitForWindowExposed(&main.table));
            auto& board = *main.table.findChild<BoardView*>();
            setUp(main);
            main.table.SetTimerEnabled(false); // only the test ticks
            Tick(main.table);
            const auto ended = std::pair(PaintedBoard(board), PanelOf(main.table));
            std::optional<std::pair<QImage, QStringList>> behind;
            WhileModal(
                [&] { Tick(main.table); },
                [&](QWidget&) { behind = std::pair(PaintedBoard(board), PanelOf(main.table)); });
            main.table.SetTimerEnabled(false);
            QVERIFY2(behind == ended, name);
            QVERIFY(ShownBoard(main.table) == FullRepaint(main.book, main.game));
            // The fresh game differs from the one that ended, and scores nothing.
            QVERIFY(ended.first != FullRepaint(main.book, main.game));
            QCOMPARE(Text(main.table, "player1Score"), "0");
        }
    }
};

QTEST_MAIN(EndScreenBoardTest)
#include "end_screen_board_test.moc"
