// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "scripted_players.h"

#include "computer/wrapped_steps.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace zorvik::tournament {

using computer::kDirections;
using computer::Reverse;
using computer::Step;

namespace {

int HeadDirection(const Snake& snake) {
    return snake.directions.at(static_cast<std::size_t>(snake.headIndex));
}

bool OnSnake(const Snake& snake, int cell, int from) {
    const auto end = snake.cells.begin() + snake.headIndex + 1;
    return std::find(snake.cells.begin() + from, end, cell) != end;
}

// Cells apart on the wrapped board, by rows and columns.
int Distance(int a, int b) {
    const int rows = std::abs(a / kColumns - b / kColumns);
    const int columns = std::abs(a % kColumns - b % kColumns);
    return std::min(rows, kRows - rows) + std::min(columns, kColumns - columns);
}

// The free cells reachable from `cell`, counted up to `enough`.
int Space(const std::array<bool, kCells>& blocked, int cell, int enough) {
    std::array<bool, kCells> seen{};
    std::array<int, kCells> queue{};
    int end = 0;
    queue[end++] = cell;
    seen[static_cast<std::size_t>(cell)] = true;
    for (int next = 0; next < end && end < enough; ++next) {
        for (int dir : kDirections) {
            const auto n =
                static_cast<std::size_t>(Step(queue[static_cast<std::size_t>(next)], dir));
            if (!seen[n] && !blocked[n]) {
                seen[n] = true;
                queue[static_cast<std::size_t>(end++)] = static_cast<int>(n);
            }
        }
    }
    return end;
}

// The food lies along `dir` from the head with nothing deadly between.
bool FoodInSight(const SnakeGame& game, int player, int dir) {
    int cell = game.player(player).snake.HeadCell();
    for (int k = 0; k < kColumns; ++k) {
        cell = Step(cell, dir);
        if (cell == game.foodCell()) {
            return true;
        }
        if (Deadly(game, player, cell)) {
            return false;
        }
    }
    return false;
}

} // namespace

bool MayTake(const Snake& snake, int dir) {
    return dir != Reverse(HeadDirection(snake));
}

bool Deadly(const SnakeGame& game, int player, int cell) {
    const bool otherCounts = game.options().twoPlayers && game.options().snakesCollide;
    return game.obstacles().at(static_cast<std::size_t>(cell)) == kObstacle ||
           OnSnake(game.player(player).snake, cell, 1) ||
           (otherCounts && OnSnake(game.player(3 - player).snake, cell, 1));
}

std::optional<PlayerAction> TurnTo(const Snake& snake, int dir) {
    if (dir == HeadDirection(snake)) {
        return std::nullopt;
    }
    constexpr std::array<PlayerAction, 4> kTurns{PlayerAction::TurnRight, PlayerAction::TurnLeft,
                                                 PlayerAction::TurnUp, PlayerAction::TurnDown};
    return kTurns.at(static_cast<std::size_t>(dir - 1));
}

// The turn to the move `cost` (of the direction and the cell it leads to)
// finds cheapest; the first of equals wins.
template <typename Cost>
std::optional<PlayerAction> CheapestMove(const Snake& snake, const Cost& cost) {
    int best = HeadDirection(snake);
    int bestCost = 1 << 20;
    for (int dir : kDirections) {
        if (!MayTake(snake, dir)) {
            continue;
        }
        const int moveCost = cost(dir, Step(snake.HeadCell(), dir));
        if (moveCost < bestCost) {
            bestCost = moveCost;
            best = dir;
        }
    }
    return TurnTo(snake, best);
}

std::optional<PlayerAction> ChaseFood(const SnakeGame& game, int player) {
    const Snake& snake = game.player(player).snake;
    return CheapestMove(snake, [&](int dir, int next) {
        return (Deadly(game, player, next) ? kCells : 0) + Distance(next, game.foodCell()) +
               (dir == HeadDirection(snake) ? 0 : 1);
    });
}

std::optional<PlayerAction> StyledRival::Choose(const SnakeGame& game, int player) {
    const Snake& snake = game.player(player).snake;
    const bool twoPlayers = game.options().twoPlayers;
    const int otherHead = game.player(3 - player).snake.HeadCell();
    std::array<bool, kCells> blocked{};
    for (int c = 0; c < kCells; ++c) {
        blocked[static_cast<std::size_t>(c)] = Deadly(game, player, c);
    }
    if (twoPlayers) {
        for (int dir : kDirections) {
            blocked[static_cast<std::size_t>(Step(otherHead, dir))] = true;
        }
    }
    const int length = snake.headIndex + 1;
    const int need = std::max(length * length / 16, 30);
    std::uniform_int_distribution<int> bonus(0, 99);

    return CheapestMove(snake, [&](int dir, int next) {
        int cost = 0;
        const bool deadly = Deadly(game, player, next);
        if (deadly) {
            cost += kCells;
        } else {
            cost += std::max(0, need - Space(blocked, next, need));
        }
        if (twoPlayers && Distance(next, otherHead) <= 3) {
            cost += 4;
        }
        if (!deadly && FoodInSight(game, player, dir)) {
            cost -= 100;
        }
        return cost - bonus(random_);
    });
}

} // namespace zorvik::tournament
