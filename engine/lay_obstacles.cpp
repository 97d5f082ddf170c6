// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/obstacle_layouts.h"
#include "engine/snake_game.h"

namespace zorvik {

// Obstacles are painted in the tile of this moment; a tile chosen later shows
// only when a layout is laid again. Cells that stop being obstacles keep
// their picture until the next repaint of the empty cells.
void SnakeGame::LayObstacles() {
    obstacles_.fill(kFree);
    LayLevel(level_, obstacles_);
    for (int c = 0; c < kCells; ++c) {
        if (obstacles_[c] == kObstacle) {
            cellPictures_[c] = options_.obstacle;
        }
    }
    // Food placed before this layout was laid may now lie under an obstacle.
    if (obstacles_.at(static_cast<std::size_t>(foodCell_)) == kObstacle) {
        PlaceFood();
    }
}

} // namespace zorvik
