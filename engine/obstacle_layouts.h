// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/board.h"

namespace zorvik {

// Writes the obstacles of a level into an empty map. Levels 2 to 7 have a
// layout; every other level, 1 included, is the open board.
void LayLevel(int level, ObstacleMap& board);

} // namespace zorvik
