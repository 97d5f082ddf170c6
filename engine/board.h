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

// A player's power when full: the width in twips of a full power bar.
inline constexpr int kFullPower = 2370;
// A bite at this power or less kills.
inline constexpr float kDeadlyPower = 70;

// One number per board cell, cell c in column c % 30 and row c / 30.
using Cells = std::array<int, kCells>;

// The obstacle map: 0 free, -1 obstacle.
using ObstacleMap = Cells;

} // namespace zorvik
