// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "computer/move_planner.h"

#include "computer/wrapped_steps.h"

#include <algorithm>

namespace zorvik::computer {

namespace {

void MarkSnake(const Snake& snake, std::array<std::uint8_t, kCells>& freeAt) {
    for (int i = 0; i <= snake.headIndex; ++i) {
        auto& at = freeAt.at(static_cast<std::size_t>(snake.cells.at(static_cast<std::size_t>(i))));
        at = std::max(at, static_cast<std::uint8_t>(i + 1));
    }
}

} // namespace

int MovePlanner::Choose(const SnakeGame& game, int player, int turnSteps) {
    const Snake& snake = game.player(player).snake;
    MarkBoard(game, player);
    food_ = game.foodCell();
    int foodDistance = kUnreachable;
    const int toFood = BestDirection(snake, turnSteps, foodDistance, std::nullopt);
    // Trailing the winner of a race for the food leaves a snake behind the
    // winner for the next food too. Where the snakes pass through each other
    // that is worth it: it runs along the winner's body and bites it at every
    // step. Where they collide it heads instead where more of the cells the
    // next food may take lie nearer to it than to this food, where the winner
    // will be.
    if (!game.options().twoPlayers || !game.options().snakesCollide) {
        return toFood;
    }
    // Player 1 eats first when both heads reach the food together.
    const int otherDistance = DistanceThroughWalls(game.player(3 - player).snake.HeadCell());
    if (otherDistance > foodDistance || (otherDistance == foodDistance && player == 1)) {
        return toFood;
    }
    return BestDirection(snake, turnSteps, foodDistance, Winner{game.foodCell(), player == 1});
}

int MovePlanner::BestDirection(const Snake& snake, int turnSteps, int& foodDistance,
                               std::optional<Winner> winner) {
    const int dir = snake.directions.at(static_cast<std::size_t>(snake.headIndex));
    int bestDirection = dir;
    Judgement best;
    bool first = true;
    for (int d : kDirections) {
        if (d == Reverse(dir)) {
            continue;
        }
        Judgement judgement = Judge(snake.HeadCell(), d, d == dir ? 1 : turnSteps, winner);
        judgement.straight = d == dir;
        if (first || Better(judgement, best)) {
            best = judgement;
            bestDirection = d;
            first = false;
        }
    }
    foodDistance = best.survives ? best.aim : kUnreachable;
    return bestDirection;
}

// The cells food may take that lie nearer to `cell` than to the winner's,
// by rows and columns on the wrapped board; player 1 also wins a tie.
int MovePlanner::NearerShare(int cell, Winner winner) {
    const auto apart = [](int a, int b, int size) {
        const int d = a > b ? a - b : b - a;
        return std::min(d, size - d);
    };
    const int winnerRow = winner.cell / kColumns;
    const int winnerColumn = winner.cell % kColumns;
    // A cell is nearer when its lead in rows outweighs the winner's in columns.
    std::array<int, kRows> rowLead{};
    std::array<int, kColumns> columnLag{};
    for (int r = 0; r < kRows; ++r) {
        rowLead[static_cast<std::size_t>(r)] =
            apart(winnerRow, r, kRows) - apart(cell / kColumns, r, kRows);
    }
    for (int c = 0; c < kColumns; ++c) {
        columnLag[static_cast<std::size_t>(c)] =
            apart(cell % kColumns, c, kColumns) - apart(winnerColumn, c, kColumns);
    }
    int share = 0;
    for (int c = kFirstFoodCell; c <= kLastFoodCell; ++c) {
        const int lead = rowLead[static_cast<std::size_t>(c / kColumns)];
        const int lag = columnLag[static_cast<std::size_t>(c % kColumns)];
        share += lead > lag || (winner.mineOnATie && lead == lag) ? 1 : 0;
    }
    return share;
}

// The moves from `cell` to the food with only the walls in the way.
int MovePlanner::DistanceThroughWalls(int cell) {
    NewSearch();
    std::size_t next = 0;
    std::size_t end = 0;
    queue_[end] = static_cast<std::int16_t>(cell);
    arrival_[end++] = 0;
    seen_[static_cast<std::size_t>(cell)] = stamp_;
    while (next < end) {
        const int c = queue_[next];
        const int t = arrival_[next++];
        if (c == food_) {
            return t;
        }
        for (const std::int16_t n : kNeighbours[static_cast<std::size_t>(c)]) {
            const auto at = static_cast<std::size_t>(n);
            if (seen_[at] != stamp_ && freeAt_[at] != kNeverFree) {
                seen_[at] = stamp_;
                queue_[end] = n;
                arrival_[end++] = static_cast<std::int16_t>(t + 1);
            }
        }
    }
    return kUnreachable;
}

void MovePlanner::NewSearch() {
    if (++stamp_ == 0) {
        seen_.fill(0);
        stamp_ = 1;
    }
}

// Survival first, then room for the whole snake, then keeping clear of the
// other head, then the aim; going on as now breaks a tie.
bool MovePlanner::Better(const Judgement& a, const Judgement& b) {
    if (a.survives != b.survives) {
        return a.survives;
    }
    if (!a.survives) {
        return a.stepsSurvived > b.stepsSurvived;
    }
    if (a.roomy != b.roomy) {
        return a.roomy;
    }
    if (a.clear != b.clear) {
        return a.clear;
    }
    if (!a.roomy && a.room != b.room) {
        return a.room > b.room;
    }
    if (a.aim != b.aim) {
        return a.aim < b.aim;
    }
    return a.straight && !b.straight;
}

void MovePlanner::MarkBoard(const SnakeGame& game, int player) {
    const ObstacleMap& obstacles = game.obstacles();
    for (std::size_t c = 0; c < kCells; ++c) {
        freeAt_[c] = obstacles[c] == kObstacle ? kNeverFree : 0;
    }
    const Snake& own = game.player(player).snake;
    MarkSnake(own, freeAt_);
    length_ = own.headIndex + 1;

    otherHeadNext_.fill(-1);
    // Passing through the other snake does no harm unless the snakes collide.
    if (!game.options().twoPlayers || !game.options().snakesCollide) {
        return;
    }
    const Snake& other = game.player(3 - player).snake;
    MarkSnake(other, freeAt_);
    const int otherDir = other.directions.at(static_cast<std::size_t>(other.headIndex));
    for (std::size_t k = 0; k < kDirections.size(); ++k) {
        if (kDirections[k] != Reverse(otherDir)) {
            otherHeadNext_[k] = Step(other.HeadCell(), kDirections[k]);
        }
    }
}

bool MovePlanner::NearOtherHead(int cell) const {
    return std::find(otherHeadNext_.begin(), otherHeadNext_.end(), cell) != otherHeadNext_.end();
}

// Follows `dir` for `steps` moves, then floods the space the snake is left in.
MovePlanner::Judgement MovePlanner::Judge(int head, int dir, int steps,
                                          std::optional<Winner> winner) {
    Judgement judgement;
    int cell = head;
    for (int step = 1; step <= steps; ++step) {
        cell = Step(cell, dir);
        if (freeAt_[static_cast<std::size_t>(cell)] > step) {
            judgement.stepsSurvived = step - 1;
            return judgement;
        }
        if (cell == food_ && judgement.aim == kUnreachable) {
            judgement.aim = step;
        }
    }
    judgement.survives = true;
    judgement.clear = !NearOtherHead(Step(head, dir));
    if (winner) {
        judgement.aim = 0; // the flood then measures only the room
        Flood(cell, steps, judgement);
        judgement.aim = -NearerShare(cell, *winner);
        return judgement;
    }
    Flood(cell, steps, judgement);
    return judgement;
}

// A breadth-first search by arrival time from `cell`, reached after `time`
// moves: it counts the cells the snake can still reach, stopping once they
// hold the whole snake and the food is found.
void MovePlanner::Flood(int cell, int time, Judgement& judgement) {
    NewSearch();
    std::size_t next = 0;
    std::size_t end = 0;
    const auto reach = [&](int c, int t) {
        seen_[static_cast<std::size_t>(c)] = stamp_;
        queue_[end] = static_cast<std::int16_t>(c);
        arrival_[end] = static_cast<std::int16_t>(t);
        ++end;
    };
    reach(cell, time);
    bool tailReached = false;
    while (next < end) {
        const int c = queue_[next];
        const int t = arrival_[next];
        ++next;
        const std::uint8_t freeAt = freeAt_[static_cast<std::size_t>(c)];
        tailReached = tailReached || (freeAt > 0 && freeAt != kNeverFree);
        if (c == food_) {
            judgement.aim = std::min(judgement.aim, t);
        }
        const bool roomy = tailReached || static_cast<int>(end) >= length_;
        if (roomy && judgement.aim != kUnreachable) {
            break;
        }
        for (const std::int16_t n : kNeighbours[static_cast<std::size_t>(c)]) {
            const auto at = static_cast<std::size_t>(n);
            if (seen_[at] != stamp_ && freeAt_[at] <= t + 1) {
                reach(n, t + 1);
            }
        }
    }
    judgement.room = static_cast<int>(end);
    judgement.roomy = tailReached || judgement.room >= length_;
}

} // namespace zorvik::computer
