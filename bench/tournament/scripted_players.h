// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"

#include <cstdint>
#include <optional>
#include <random>

namespace zorvik::tournament {

// The three directions a snake may take next: all but the reverse.
bool MayTake(const Snake& snake, int dir);

// Steps onto a wall or a body that will still be there (the other snake's
// only when the snakes collide).
bool Deadly(const SnakeGame& game, int player, int cell);

// The action that heads the snake in `dir`, none when it heads there already.
std::optional<PlayerAction> TurnTo(const Snake& snake, int dir);

// Chases the food by the shortest way on the wrapped board and avoids only
// a death on the very next cell.
std::optional<PlayerAction> ChaseFood(const SnakeGame& game, int player);

// The best-known style of computer snake: each move costed by deadliness,
// the free space it leaves, nearness to the other head and the food in its
// line of sight, with a random bonus; the cheapest wins.
class StyledRival {
public:
    explicit StyledRival(std::uint32_t seed) : random_(seed) {}
    std::optional<PlayerAction> Choose(const SnakeGame& game, int player);

private:
    std::mt19937 random_;
};

} // namespace zorvik::tournament
