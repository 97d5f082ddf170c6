// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/board.h"

#include <array>
#include <cstdint>

namespace zorvik::computer {

// The four directions, by their codes.
inline constexpr std::array<int, 4> kDirections{kRight, kLeft, kUp, kDown};

constexpr int Reverse(int dir) {
    return dir == kRight ? kLeft : dir == kLeft ? kRight : dir == kUp ? kDown : kUp;
}

// The neighbour of every cell in every direction, wrapping at the board
// edge: kNeighbours[cell][dir - 1].
inline constexpr auto kNeighbours = [] {
    std::array<std::array<std::int16_t, 4>, kCells> next{};
    for (int c = 0; c < kCells; ++c) {
        const int row = c / kColumns;
        const int column = c % kColumns;
        const auto at = [](int r, int col) {
            return static_cast<std::int16_t>((r + kRows) % kRows * kColumns +
                                             (col + kColumns) % kColumns);
        };
        next[c] = {at(row, column + 1), at(row, column - 1), at(row - 1, column),
                   at(row + 1, column)};
    }
    return next;
}();

constexpr int Step(int cell, int dir) {
    return kNeighbours[static_cast<std::size_t>(cell)][static_cast<std::size_t>(dir - 1)];
}

} // namespace zorvik::computer
