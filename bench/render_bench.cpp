// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"
#include "ui/board_view.h"
#include "widgets/picture_book.h"
#include "ui/main_window.h"

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

// Puts a snake on the cells, tail first, each segment heading to the next
// and the head heading `headDir`.
void Lay(SnakeGame::Cells& snake, SnakeGame::Cells& dirs, int& head, const std::vector<int>& cells,
         int headDir) {
    snake.fill(-1);
    dirs.fill(-1);
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        const int step = cells[i + 1] - cells[i];
        snake.at(i) = cells[i];
        dirs.at(i) = step == 1 ? kRight : step == -1 ? kLeft : step < 0 ? kUp : kDown;
    }
    head = static_cast<int>(cells.size()) - 1;
    snake.at(static_cast<std::size_t>(head)) = cells.back();
    dirs.at(static_cast<std::size_t>(head)) = headDir;
}

// The real main window, offscreen, in a two-player campaign at level 7. Each
// snake winds up and down the free columns beside the outer walls, over 100
// segments long, its head about to run along the free top or bottom row.
struct LevelSevenDuel {
    LevelSevenDuel() : table(book, 1), game(table.game()) {
        table.show();
        table.SetTimerEnabled(false); // only the benchmark ticks
        game.OnePlayer = false;
        game.CampaignMode = true;
        game.Level = 7;
        game.SetObstacles();
        game.Reset();
        Lay(game.Snake1, game.Snake1Dir, game.Snake1Head,
            Path({{3, 6}, {28, 6}, {28, 4}, {2, 4}, {2, 2}, {28, 2}, {28, 1}, {1, 1}}), kRight);
        Lay(game.Snake2, game.Snake2Dir, game.Snake2Head,
            Path({{26, 23}, {1, 23}, {1, 25}, {27, 25}, {27, 27}, {1, 27}, {1, 28}, {28, 28}}),
            kLeft);
        game.MakeFood();
        game.TABLE();
        game.DrawSnake();
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
        const bool movedOn = !ended && game.Level == 7 && game.Snake1Head == prepared.Snake1Head &&
                             game.Snake2Head == prepared.Snake2Head &&
                             game.Snake1.at(game.Snake1Head) == Cell(1, 2) &&
                             game.Snake2.at(game.Snake2Head) == Cell(28, 27);
        game = prepared;
        return movedOn;
    }

    PictureBook book;
    MainWindow table;
    SnakeGame& game;
    SnakeGame prepared{game};
};

// One tick and the board's repaint, as the window does at every timer
// event. A tick changes the game, so each one starts from the prepared game
// and only the tick and the painting are timed.
void BM_TickAndBoardRepaint(benchmark::State& state) {
    LevelSevenDuel duel;
    if (!duel.TicksFreely()) {
        state.SkipWithError("the prepared tick does not move both snakes freely");
        return;
    }
    auto* board = duel.table.findChild<BoardView*>();
    QImage image(board->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        duel.game = duel.prepared;
        const auto start = std::chrono::steady_clock::now();
        duel.game.Tick();
        board->render(&image);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(BM_TickAndBoardRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The whole main window painted: background, buttons, panel and board.
void BM_MainWindowRepaint(benchmark::State& state) {
    LevelSevenDuel duel;
    QImage image(duel.table.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        duel.table.render(&image);
    }
}
BENCHMARK(BM_MainWindowRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvik
