// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "computer/computer_player.h"
#include "engine/snake_game.h"
#include "tests/kit/game_access.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace zorvik {
namespace {

// A window with no key down that dismisses every end screen at once.
class IdleWindow : public GameWindow {
public:
    bool ActionRequested(PlayerControl) override { return false; }
    void SetTimerEnabled(bool) override {}
    void SetTimerInterval(int) override {}
    void ShowEndScreen(const EndScreenContent&) override { ++endScreens; }

    int endScreens = 0;
};

const BoardPictures kPictures{{1}, {4}, {{{7}, {8}, {9}, {10}, {11}}}};
constexpr int kLongest = 106;

// Snake 1 winds through rows 8 to 15 between columns 8 and 21 of level 7 and
// heads left into a free cell; snake 2 runs up column 1, along rows 1 and 2,
// down column 2 and heads down into a free cell.
SnakeGame LongestSnakesAtLevelSeven(IdleWindow& window) {
    SnakeGame game(window, kPictures, 1);
    GameOptions options;
    options.snake1 = Picture{2};
    options.snake2 = Picture{3};
    options.obstacle = Picture{5};
    game.Start(options);
    options.twoPlayers = true;
    options.campaign = true;
    game.StartGameOnLevel(options, 7);

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
    testkit::GameAccess access{game};
    access.Place(1, first, kLeft);
    access.Place(2, second, kDown);
    access.PutFood(20 * kColumns + 15);
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
        const Snake& one = trial.player(1).snake;
        const Snake& two = trial.player(2).snake;
        if (window.endScreens != 0 || one.headIndex != kLongest - 1 ||
            two.headIndex != kLongest - 1 || one.HeadCell() != 15 * kColumns + 13 ||
            two.HeadCell() != 27 * kColumns + 2) {
            state.SkipWithError("the prepared tick does not move both snakes freely");
            return;
        }
    }
    for (auto _ : state) {
        SnakeGame game = prepared;
        const auto start = std::chrono::steady_clock::now();
        game.Tick();
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(game.cellPictures());
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(BM_TickLongestSnakesLevelSeven)->UseManualTime();

// The computer's choice for player 2 in the same position, with the snakes
// passing through each other (0) or colliding (1). The choice leaves the
// game as it is, so one game serves every iteration.
void BM_ComputerChoiceLongestSnakesLevelSeven(benchmark::State& state) {
    IdleWindow window;
    SnakeGame game = LongestSnakesAtLevelSeven(window);
    game.SetSnakesCollide(state.range(0) != 0);
    ComputerPlayer computer(2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(computer.ChooseAction(game));
    }
}
BENCHMARK(BM_ComputerChoiceLongestSnakesLevelSeven)->Arg(0)->Arg(1);

// Laying the level 7 layout: clearing, laying and painting the obstacles.
void BM_LayObstaclesLevelSeven(benchmark::State& state) {
    IdleWindow window;
    SnakeGame game = LongestSnakesAtLevelSeven(window);
    testkit::GameAccess access{game};
    for (auto _ : state) {
        access.LayObstacles();
        benchmark::DoNotOptimize(game.obstacles());
        benchmark::DoNotOptimize(game.cellPictures());
    }
}
BENCHMARK(BM_LayObstaclesLevelSeven);

} // namespace
} // namespace zorvik
