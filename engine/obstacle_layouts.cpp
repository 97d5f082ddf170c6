// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/obstacle_layouts.h"

#include <vector>

namespace zorvik {

namespace {

// A run marks the cells c + offset for c = start, start + step, ... up to
// and including end.
struct Run {
    int start;
    int end;
    int step;
    std::vector<int> offsets;
};

const Run kTopAndBottom{0, 29, 1, {0, 870}};
const Run kLeftAndRight{0, 870, 30, {0, 29}};

const std::vector<Run>& LayoutOf(int level) {
    static const std::vector<Run> kNone;
    static const std::vector<std::vector<Run>> kLayouts{
        // 2: the border alone
        {kTopAndBottom, kLeftAndRight},
        // 3: two double bars
        {kTopAndBottom, kLeftAndRight, {184, 205, 1, {0, 30, 570, 540}}},
        // 4: an open cup
        {kTopAndBottom,
         kLeftAndRight,
         {124, 129, 1, {0, 16}},
         {124, 754, 30, {0, 21}},
         {754, 775, 1, {0}}},
        // 5: columns hanging from the top, a double column standing below
        {kTopAndBottom, kLeftAndRight, {7, 427, 30, {0, 15}}, {464, 884, 30, {0, 1}}},
        // 6: a zigzag joining the left and right walls
        {kTopAndBottom,
         kLeftAndRight,
         {270, 285, 1, {0}},
         {732, 749, 1, {0}},
         {285, 675, 30, {0}},
         {462, 732, 30, {0}}},
        // 7: six long columns and two bars
        {{93, 783, 30, {2, 4, 19, 21, 23, 0}},
         {219, 230, 1, {0, 480}},
         kTopAndBottom,
         kLeftAndRight},
    };
    if (level < 2 || level > 7) {
        return kNone;
    }
    return kLayouts.at(static_cast<std::size_t>(level - 2));
}

} // namespace

void LayLevel(int level, ObstacleMap& board) {
    for (const Run& run : LayoutOf(level)) {
        for (int c = run.start; c <= run.end; c += run.step) {
            for (int offset : run.offsets) {
                board.at(static_cast<std::size_t>(c + offset)) = kObstacle;
            }
        }
    }
}

} // namespace zorvik
