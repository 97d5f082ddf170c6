// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace zorvik {
namespace {

// A window with no key down that dismisses every end screen at once.
class IdleWindow : public GameWindow {
public:
    bool KeyPressed(int) override { return false; }
    bool TimerEnabled() const override { return enabled_; }
    void SetTimerEnabled(bool enabled) override { enabled_ = enabled; }
    int TimerInterval() const override { return interval_; }
    void SetTimerInterval(int milliseconds) override { interval_ = milliseconds; }
    void ShowEndScreen(const EndScreenContent&) override { ++endScreens; }
    std::string PlayerName(int player) const override { return player == 1 ? "One" : "Two"; }
    bool SnakesCollide() const override { return false; }

    int endScreens = 0;

private:
    bool enabled_ = false;
    int interval_ = 0;
};

const CellPictures kPictures{{1}, {2}, {3}, {4}, {5}, {6}, {{{7}, {8}, {9}, {10}, {11}}}};
constexpr int kLongest = 106;

// Puts a snake on the given cells, tail first, each segment heading to the
// next one and the head heading `headDir`.
void Lay(SnakeGame::Cells& snake, SnakeGame::Cells& dirs, int& head, const std::vector<int>& cells,
         int headDir) {
    snake.fill(-1);
    dirs.fill(-1);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        snake.at(i) = cells[i];
        const int step = i + 1 < cells.size() ? cells[i + 1] - cells[i] : 0;
        dirs.at(i) = step == 1 ? kRight : step == -1 ? kLeft : step < 0 ? kUp : kDown;
    }
    head = static_cast<int>(cells.size()) - 1;
    dirs.at(static_cast<std::size_t>(head)) = headDir;
}

// Snake 1 winds through rows 8 to 15 between columns 8 and 21 of level 7 and
// heads left into a free cell; snake 2 runs up column 1, along rows 1 and 2,
// down column 2 and heads down into a free cell.
SnakeGame LongestSnakesAtLevelSeven(IdleWindow& window) {
    SnakeGame game(window, kPictures, 1);
    game.Form_Load();
    game.OnePlayer = false;
    game.CampaignMode = true;
    game.Level = 7;
    game.SetObstacles();
    game.Reset();

    std::vector<int> first;
    for (int row = 8; first.size() < kLongest; ++row) {
        for (int i = 0; i < 14 && first.size() < kLongest; ++i) {
            first.push_back(row * kColumns + (row % 2 == 0 ? 8 + i : 21 - i));
        }
    }
    std::vector<int> second;
    for (int row = 28; row >= 1; --row) {
        second.push_back(row * kColumns + 1);
    }
    for (int column = 2; column <= 28; ++column) {
        second.push_back(kColumns + column);
    }
    for (int column = 28; column >= 3; --column) {
        second.push_back(2 * kColumns + column);
    }
    for (int row = 2; row <= 26; ++row) {
        second.push_back(row * kColumns + 2);
    }
    Lay(game.Snake1, game.Snake1Dir, game.Snake1Head, first, kLeft);
    Lay(game.Snake2, game.Snake2Dir, game.Snake2Head, second, kDown);
    game.FoodCell = 20 * kColumns + 15;
    game.TableBlock.at(static_cast<std::size_t>(game.FoodCell)) = game.Templates.FBlock;
    game.DrawSnake();
    return game;
}

// One tick of a two-player campaign at level 7 with both snakes at their
// longest. A tick changes the game, so each one runs on a fresh copy of the
// prepared game and only the tick itself is timed.
void BM_TickLongestSnakesLevelSeven(benchmark::State& state) {
    IdleWindow window;
    const SnakeGame prepared = LongestSnakesAtLevelSeven(window);
    {
        SnakeGame trial = prepared;
        trial.Tick();
        if (window.endScreens != 0 || trial.Snake1Head != kLongest - 1 ||
            trial.Snake2Head != kLongest - 1 ||
            trial.Snake1.at(kLongest - 1) != 15 * kColumns + 13 ||
            trial.Snake2.at(kLongest - 1) != 27 * kColumns + 2) {
            state.SkipWithError("the prepared tick does not move both snakes freely");
            return;
        }
    }
    for (auto _ : state) {
        SnakeGame game = prepared;
        const auto start = std::chrono::steady_clock::now();
        game.Tick();
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(game.TableBlock);
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(BM_TickLongestSnakesLevelSeven)->UseManualTime();

// Laying the level 7 layout: clearing, laying and painting the obstacles.
void BM_SetObstaclesLevelSeven(benchmark::State& state) {
    IdleWindow window;
    SnakeGame game = LongestSnakesAtLevelSeven(window);
    for (auto _ : state) {
        game.SetObstacles();
        benchmark::DoNotOptimize(game.Board);
        benchmark::DoNotOptimize(game.TableBlock);
    }
}
BENCHMARK(BM_SetObstaclesLevelSeven);

} // namespace
} // namespace zorvik
