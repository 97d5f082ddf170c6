// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "board_pixels.h"
#include "tests/kit/opened_game.h"

#include "ui/board_view.h"

#include <QPaintEvent>
#include <random>

using namespace zorvik;
using namespace zorvik::testkit;

namespace {

// Collects the regions the board is asked to paint, in its own coordinates.
struct PaintedRegions : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

} // namespace

class BoardRepaintTest : public QObject {
    Q_OBJECT
    std::optional<OpenedGame> main;
    BoardView* board = nullptr;
    PaintedRegions painted;

    // The board as a full repaint shows it: the main window's background with
    // every cell's picture on top, against what the window's backing store
    // holds there after every pending repaint.
    bool ShowsTheGame() { return ShownBoard(main->table) == FullRepaint(main->book, main->game); }

    // A random action of the players between two ticks: a picture chosen and
    // applied, a setting, New, a level won (the next one lays its walls), a key.
    void Act(std::mt19937& random) {
        const char* const settings[] = {"player1Swatch0", "player2Swatch4", "obstacleTile7",
                                        "playersPicture", "classicOption",  "campaignOption",
                                        "collideYes",     "collideNo"};
        const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Up,     Qt::Key_Right, Qt::Key_Down,
                                Qt::Key_A,    Qt::Key_W,      Qt::Key_D,     Qt::Key_S,
                                Qt::Key_Tab,  Qt::Key_Control};
        const unsigned roll = random() % 100;
        if (roll < 3) {
            main->Choose({settings[random() % std::size(settings)]});
        } else if (roll == 3) {
            Click(main->table, "newGameWord");
        } else if (roll < 7) {
            main->access.player(1).eaten = 25;
        } else if (roll % 3 == 0) {
            QTest::keyClick(&main->table, keys[random() % std::size(keys)]);
        }
        main->table.SetTimerEnabled(false); // only the test ticks
    }

private slots:
    void init() {
        main.emplace();
        QVERIFY(QTest::qWaitForWindowExposed(&main->table));
        board = main->table.findChild<BoardView*>();
        main->table.SetTimerEnabled(false);
        board->installEventFilter(&painted);
        QVERIFY(ShowsTheGame());
    }

    // The board repaints only the cells whose picture changed. Random
    // two-player games, with steering, bites, endings, levels with walls and
    // new pictures, must show after every tick what a full repaint shows,
    // having repainted exactly the cells that changed.
    void partialRepaintsShowTheWholeGame() {
        Click(main->table.settings(), "playersPicture"); // two players
        Click(main->table.settings(), "campaignOption");
        int endings = 0, stepsWithWalls = 0; // both must come up often
        for (const unsigned seed : {1U, 2U, 3U}) {
            std::mt19937 random(seed);
            for (int step = 0; step < 500; ++step) {
                Act(random);
                QVERIFY2(ShowsTheGame(), qPrintable(QStringLiteral("action %1").arg(step)));
                painted.painted = {};
                const std::array<Picture, kCells> before = main->game.cellPictures();
                // An end screen is dismissed at once; an ending paints the board
                // halfway through its tick too.
                const bool ended =
                    WhileModal([&] { Tick(main->table); }, [](QWidget&) {}).has_value();
                main->table.SetTimerEnabled(false);
                QRegion changed;
                for (int c = 0; c < kCells; ++c) {
                    changed += main->game.cellPictures()[c] != before[c] ? CellRect(c) : QRect();
                }
                QVERIFY2(ShowsTheGame() && (ended || (painted.painted ^ changed).isEmpty()),
                         qPrintable(QStringLiteral("seed %1, tick %2").arg(seed).arg(step)));
                endings += ended;
                stepsWithWalls += std::ranges::count(main->game.obstacles(), kObstacle) > 0;
            }
        }
        QVERIFY(endings > 15 && stepsWithWalls > 150);
    }

    // A paint for another reason, such as a window uncovering part of the
    // board, may paint through part of a cell; such a cell is not taken to
    // show its picture, so it is repainted whole.
    void aPaintThroughPartOfACellHidesNoChange() {
        const int cell = 20 * kColumns + 10;
        main->access.cellPictures()[cell] = main->game.options().obstacle;
        board->update(CellRect(cell).translated(8, 8)); // a quarter of it and of three others
        QCoreApplication::processEvents();
        board->ShowChanges();
        QVERIFY(ShowsTheGame());
    }
};

QTEST_MAIN(BoardRepaintTest)
#include "board_repaint_test.moc"
