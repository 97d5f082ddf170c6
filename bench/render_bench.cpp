// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"
#include "tests/kit/game_access.h"
#include "ui/board_view.h"
#include "ui/elided_label.h"
#include "ui/main_window.h"
#include "widgets/picture_book.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <initializer_list>
#include <utility>
#include <vector>

namespace zorvik {
namespace {

constexpr int Cell(int row, int column) {
    return row * kColumns + column;
}

// The cells along straight legs through the given (row, column) corners.
std::vector<int> Path(std::initializer_list<std::pair<int, int>> corners) {
    std::vector<int> cells;
    auto [row, column] = *corners.begin();
    cells.push_back(Cell(row, column));
    for (const auto& [toRow, toColumn] : corners) {
        while (row != toRow || column != toColumn) {
            row += (toRow > row) - (toRow < row);
            column += (toColumn > column) - (toColumn < column);
            cells.push_back(Cell(row, column));
        }
    }
    return cells;
}

// The real main window, offscreen, in a two-player campaign at level 7. Each
// snake winds up and down the free columns beside the outer walls, over 100
// segments long, its head about to run along the free top or bottom row.
struct LevelSevenDuel {
    LevelSevenDuel() : table(book, 1), access{const_cast<SnakeGame&>(table.game())} {
        table.show();
        table.SetTimerEnabled(false); // only the benchmark ticks
        GameOptions options = game.options();
        options.twoPlayers = true;
        options.campaign = true;
        game.StartGameOnLevel(options, 7);
        access.Place(1, Path({{3, 6}, {28, 6}, {28, 4}, {2, 4}, {2, 2}, {28, 2}, {28, 1}, {1, 1}}),
                     kRight);
        access.Place(
            2, Path({{26, 23}, {1, 23}, {1, 25}, {27, 25}, {27, 27}, {1, 27}, {1, 28}, {28, 28}}),
            kLeft);
        access.PlaceFood();
        access.RepaintEmptyCells();
        access.DrawSnakes();
        prepared = game;
    }

    // Whether one tick from the prepared game moves both heads on without
    // an ending. A faulty setup would open an end screen; it is closed at
    // once so that the benchmark reports the fault instead of hanging.
    bool TicksFreely() {
        bool ended = false;
        QTimer closer;
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&ended] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ended = true;
                modal->close();
            }
        });
        closer.start(0);
        game = prepared;
        game.Tick();
        const Snake& one = game.player(1).snake;
        const Snake& two = game.player(2).snake;
        const bool movedOn = !ended && game.level() == 7 &&
                             one.headIndex == prepared.player(1).snake.headIndex &&
                             two.headIndex == prepared.player(2).snake.headIndex &&
                             one.HeadCell() == Cell(1, 2) && two.HeadCell() == Cell(28, 27);
        game = prepared;
        return movedOn;
    }

    PictureBook book;
    MainWindow table;
    // The window owns the game; the benchmark reaches into it to set up the duel.
    testkit::GameAccess access;
    SnakeGame& game = access.game;
    SnakeGame prepared{game};
};

// An image to paint a widget into, at the pixel ratio of its screen.
QImage ImageFor(const QWidget& widget) {
    QImage image(widget.size() * widget.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(widget.devicePixelRatioF());
    return image;
}

// One tick of the game timer as the window takes it, offscreen: the
// engine's tick, the panel, and the repaint of the cells that changed
// through Qt's repaint machinery into the window's backing store. Each tick
// starts from the prepared game, shown on the board before the clock starts.
void BM_TimerTickAndRepaint(benchmark::State& state) {
    LevelSevenDuel duel;
    if (!duel.TicksFreely()) {
        state.SkipWithError("the prepared tick does not move both snakes freely");
        return;
    }
    auto* board = duel.table.findChild<BoardView*>();
    auto* clock = duel.table.findChild<TickClock*>(QStringLiteral("gameClock"));
    for (auto _ : state) {
        duel.game = duel.prepared;
        board->ShowChanges();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        QMetaObject::invokeMethod(clock, "ticked");
        QCoreApplication::processEvents();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(BM_TimerTickAndRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The whole main window painted: background, buttons, panel and board.
void BM_MainWindowRepaint(benchmark::State& state) {
    LevelSevenDuel duel;
    QImage image = ImageFor(duel.table);
    for (auto _ : state) {
        duel.table.render(&image);
    }
}
BENCHMARK(BM_MainWindowRepaint)->Unit(benchmark::kMicrosecond);

// A player's name label repainted while it holds a 100,000-character name,
// as after every dialog closes: the name is elided once, when it is set.
void BM_LongNameRepaint(benchmark::State& state) {
    LevelSevenDuel duel;
    auto& label = *duel.table.findChild<ElidedLabel*>(QStringLiteral("player1Name"));
    label.setText(QString(100000, u'W'));
    QImage image = ImageFor(label);
    for (auto _ : state) {
        label.render(&image);
    }
}
BENCHMARK(BM_LongNameRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvik
