// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <optional>
#include <vector>

namespace zorvik::e2e {

// A snake lying along one row, heading right.
struct RowRun {
    int headColumn;
    int length;
};

// The snake made of `cells` (in increasing order) when they all lie on
// `row` as one unbroken run, wrapping at the board's edge.
std::optional<RowRun> RunAlongRow(const std::vector<int>& cells, int row);

// The row of the head of a snake that ran right along `row` and then turned
// down: whatever is left of it on `row` ends in the column in which the rest
// runs down unbroken. Nothing when `cells` do not make that shape.
std::optional<int> HeadRowAfterTurningDown(const std::vector<int>& cells, int row);

} // namespace zorvik::e2e
