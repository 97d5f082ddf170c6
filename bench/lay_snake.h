// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "tests/engine/game_access.h"

#include <vector>

namespace zorvik {

// Puts player `number`'s snake on the cells (tail first), each segment heading
// to the next one and the head heading `headDir`.
inline void LaySnake(testkit::GameAccess& access, int number, const std::vector<int>& cells,
                     int headDir) {
    Snake& snake = access.player(number).snake;
    snake.cells.fill(-1);
    snake.directions.fill(-1);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int step = i + 1 < cells.size() ? cells[i + 1] - cells[i] : 0;
        snake.cells.at(i) = cells[i];
        snake.directions.at(i) = step == 1 ? kRight : step == -1 ? kLeft : step < 0 ? kUp : kDown;
    }
    snake.headIndex = static_cast<int>(cells.size()) - 1;
    snake.directions.at(static_cast<std::size_t>(snake.headIndex)) = headDir;
    access.DrawSnakes();
}

} // namespace zorvik
