// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <array>

namespace zorvik {

inline constexpr int kColumns = 30;
inline constexpr int kRows = 30;
inline constexpr int kCells = kColumns * kRows;

inline constexpr int kFree = 0;
inline constexpr int kObstacle = -1;

// Direction codes of a snake segment. Codes below 3 are horizontal.
inline constexpr int kRight = 1;
inline constexpr int kLeft = 2;
inline constexpr int kUp = 3;
inline constexpr int kDown = 4;

inline constexpr int kFullPower = 2370;
inline constexpr int kFirstInterval = 150;

// The obstacle map: 0 free, -1 obstacle.
using ObstacleMap = std::array<int, kCells>;

} // namespace zorvik
