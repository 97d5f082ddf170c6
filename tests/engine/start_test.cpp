// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <functional>
#include <ostream>

namespace zorvik::testkit {

// The program opens on a running one-player classic game at level 1 and 150 ms, on the open
// board, the snake on row 3 heading right and player 2's score hidden.
TEST(Start, OpensOnARunningOnePlayerClassicGame) {
    FakeWindow window;
    SnakeGame game(window, kBoardPictures, 7);
    game.Start(Options());
    EXPECT_TRUE(window.timerOn);
    EXPECT_EQ(window.interval, 150);
    EXPECT_FALSE(game.options().twoPlayers || game.options().campaign ||
                 game.options().snakesCollide || game.player2ScoreShown());
    EXPECT_EQ(game.level(), 1);
    EXPECT_EQ(ObstacleCount(game), 0);
    const Player& one = game.player(1);
    EXPECT_EQ(std::vector(&one.snake.cells[0], &one.snake.cells[6]), LineTo(105, kRight));
    EXPECT_EQ((std::array{one.score, one.power}), (std::array<float, 2>{0, kFullPower}));
    // The start-up repaint of the empty cells follows the first game's drawing, so only the
    // food shows until the first tick draws the snake.
    const auto& shown = game.cellPictures();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), kBoardPictures.empty), kCells - 1);
    // Player 2's score shows exactly in a two-player game.
    EXPECT_TRUE(TestGame(true).game.player2ScoreShown());
}

// A new speed acts from the next meal on without a new game; a step that does not exist is
// refused and changes nothing.
TEST(Start, SpeedChangesWithoutANewGame) {
    TestGame g;
    g.access.PutFood(106);
    g.game.SetSpeedStep(6);
    EXPECT_EQ(g.window.interval, 25);
    g.Tick();
    EXPECT_EQ(g.game.player(1).score, 1000);
    EXPECT_THROW(g.game.SetSpeedStep(7), std::out_of_range);
    EXPECT_EQ((std::array{g.window.interval, g.game.options().speedStep}), (std::array{25, 6}));
}

namespace {

// A call made on a campaign at level 3 and 150 ms, whether it is refused, and the level, count
// of walls and timer interval after it.
struct StartCall {
    const char* name;
    std::function<void(SnakeGame&)> call;
    bool refused;
    int level, walls, interval;
};

void PrintTo(const StartCall& c, std::ostream* out) {
    *out << c.name;
}

GameOptions Campaign(int speedStep) {
    GameOptions options = Options(false, true);
    options.speedStep = speedStep;
    return options;
}

// clang-format off
const StartCall kStartCalls[] = {
    {"StartAtStepSeven", [](SnakeGame& s) { s.Start(Campaign(7)); }, true, 3, 204, 150},
    {"NewGameAtStepNine", [](SnakeGame& s) { s.StartGame(Campaign(9)); }, true, 3, 204, 150},
    {"NewGameAtStepMinusOne", [](SnakeGame& s) { s.StartGame(Campaign(-1)); }, true, 3, 204, 150},
    {"LevelGameAtStepNine", [](SnakeGame& s) { s.StartGameOnLevel(Campaign(9), 2); }, true, 3, 204, 150},
    {"LevelZero", [](SnakeGame& s) { s.StartGameOnLevel(Campaign(2), 0); }, true, 3, 204, 150},
    {"LevelEight", [](SnakeGame& s) { s.StartGameOnLevel(Campaign(2), 8); }, true, 3, 204, 150},
    {"ClassicOnLevelFour", [](SnakeGame& s) { s.StartGameOnLevel(Options(), 4); }, false, 1, 0, 150},
    {"ClassicFromACampaign", [](SnakeGame& s) { s.StartGame(Options()); }, false, 1, 0, 150},
    {"NewGameAtAnotherSpeed", [](SnakeGame& s) { s.StartGame(Campaign(6)); }, false, 3, 204, 25},
    {"LevelGameAtAnotherSpeed", [](SnakeGame& s) { s.StartGameOnLevel(Campaign(0), 5); }, false, 5, 172, 250},
};
// clang-format on

class StartCalls : public ::testing::TestWithParam<StartCall> {};

} // namespace

// What no window sends is refused before it changes anything, as a speed step that does not
// exist would otherwise break the next meal; a classic game always plays on level 1; and a new
// game at another speed runs the timer at the speed that scores.
TEST_P(StartCalls, RefuseWhatCannotBePlayed) {
    const StartCall& c = GetParam();
    TestGame g(false, true, 3);
    const GameOptions before = g.game.options();
    if (c.refused) {
        EXPECT_THROW(c.call(g.game), std::out_of_range);
        EXPECT_EQ(g.game.options(), before);
    } else {
        c.call(g.game);
    }
    EXPECT_EQ((std::array{g.game.level(), ObstacleCount(g.game), g.window.interval}),
              (std::array{c.level, c.walls, c.interval}));
    EXPECT_EQ(g.window.interval, kSpeedSteps.at(g.game.options().speedStep));
}

INSTANTIATE_TEST_SUITE_P(EveryStartCall, StartCalls, ::testing::ValuesIn(kStartCalls),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace zorvik::testkit
