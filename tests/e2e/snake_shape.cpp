// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "snake_shape.h"

#include "screen_pictures.h"

#include <array>
#include <cstddef>

namespace zorvik::e2e {

std::optional<RowRun> RunAlongRow(const std::vector<int>& cells, int row) {
    if (cells.empty() || cells.size() >= static_cast<std::size_t>(kColumns)) {
        return std::nullopt;
    }
    std::array<bool, kColumns> taken{};
    for (const int cell : cells) {
        if (cell / kColumns != row) {
            return std::nullopt;
        }
        taken[cell % kColumns] = true;
    }
    // An unbroken run, wrapping or not, has exactly one leading end.
    std::optional<int> head;
    for (int column = 0; column < kColumns; ++column) {
        if (taken[column] && !taken[(column + 1) % kColumns]) {
            if (head) {
                return std::nullopt;
            }
            head = column;
        }
    }
    return RowRun{*head, static_cast<int>(cells.size())};
}

std::optional<int> HeadRowAfterTurningDown(const std::vector<int>& cells, int row) {
    std::vector<int> along;
    std::vector<int> below;
    for (const int cell : cells) {
        if (cell / kColumns < row) {
            return std::nullopt;
        }
        (cell / kColumns == row ? along : below).push_back(cell);
    }
    if (below.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < below.size(); ++i) {
        if (below[i] != below.front() + static_cast<int>(i) * kColumns) {
            return std::nullopt;
        }
    }
    if (!along.empty()) {
        const auto run = RunAlongRow(along, row);
        if (!run || run->headColumn != below.front() % kColumns ||
            below.front() / kColumns != row + 1) {
            return std::nullopt;
        }
    }
    return below.back() / kColumns;
}

} // namespace zorvik::e2e
