// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/obstacle_layouts.h"
#include "engine/snake_game.h"

namespace zorvik {

void SnakeGame::SetObstacles() {
    Board.fill(kFree);
    LayLevel(Level, Board);
    for (int c = 0; c < kCells; ++c) {
        if (Board[c] == kObstacle) {
            TableBlock[c] = Templates.Obs;
        }
    }
    // Food placed before this layout was laid may now lie under an obstacle.
    if (Board.at(FoodCell) == kObstacle) {
        MakeFood();
    }
}

} // namespace zorvik
