// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

namespace zorvik::testkit {

// The program opens on a running one-player classic game at level 1 and 150 ms, on the open
// board, the snake on row 3 heading right and player 2's score hidden.
TEST(Start, OpensOnARunningOnePlayerClassicGame) {
    ScriptedWindow window;
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
    EXPECT_EQ((std::array{one.score, one.power}), (std::array<float, 2>{0, 2370}));
    // The start-up repaint of the empty cells follows the first game's drawing, so only the
    // food shows until the first tick draws the snake.
    const auto& shown = game.cellPictures();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), kBoardPictures.empty), kCells - 1);
    // Player 2's score shows exactly in a two-player game.
    EXPECT_TRUE(TestGame(true).game.player2ScoreShown());
}

} // namespace zorvik::testkit
