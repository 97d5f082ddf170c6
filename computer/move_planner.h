// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zorvik::computer {

// Weighs the directions a snake may take by what a player sees: the walls,
// both snakes (the other one only when the snakes collide) and the food. A
// cell of a body counts as free from the move in which its segment will have
// left it, so a snake may follow its own tail. Everything it searches with is
// kept between choices, so that a choice allocates nothing.
class MovePlanner {
public:
    // The direction `player`'s snake should head in from this tick on: to
    // the food, unless the snakes collide and the other will reach it first.
    // `turnSteps`: the moves a turn commits the snake to, before it may act
    // again.
    int Choose(const SnakeGame& game, int player, int turnSteps);

private:
    struct Judgement {
        bool survives = false;
        int stepsSurvived = 0;
        // The space the move leaves holds the whole snake, or leads to its tail.
        bool roomy = false;
        // Out of the cells the other head may take in the next move.
        bool clear = true;
        int room = 0;
        // How far the move leaves the snake from its aim: the moves to the
        // food, or while it waits for the next food, minus the cells that food
        // may take that lie nearer to it than to the winner of this one.
        int aim = kUnreachable;
        bool straight = false;
    };
    // The snake that will eat the food: where it will be, and whether a tie
    // for the next food goes to this snake.
    struct Winner {
        int cell = 0;
        bool mineOnATie = false;
    };
    static constexpr int kUnreachable = 1 << 20;
    // The cells food is placed in, as a player soon sees.
    static constexpr int kFirstFoodCell = 100;
    static constexpr int kLastFoodCell = 799;
    static constexpr std::uint8_t kNeverFree = 255;

    static bool Better(const Judgement& a, const Judgement& b);
    void MarkBoard(const SnakeGame& game, int player);
    // Judges every direction the snake may take, aiming at the food or, given
    // a winner, at the next food; the best, and its distance to the food.
    int BestDirection(const Snake& snake, int turnSteps, int& foodDistance,
                      std::optional<Winner> winner);
    int DistanceThroughWalls(int cell);
    void NewSearch();
    Judgement Judge(int head, int dir, int steps, std::optional<Winner> winner);
    static int NearerShare(int cell, Winner winner);
    void Flood(int cell, int time, Judgement& judgement);
    bool NearOtherHead(int cell) const;

    // The move from which each cell is free: 0 for an empty cell, a
    // segment's moves to the tail plus one for a body, never for a wall.
    std::array<std::uint8_t, kCells> freeAt_{};
    // The cells the other head may enter next, or -1.
    std::array<int, 4> otherHeadNext_{};
    // The food cell.
    int food_ = 0;
    int length_ = 0;

    std::array<std::uint32_t, kCells> seen_{};
    std::uint32_t stamp_ = 0;
    std::array<std::int16_t, kCells> queue_{};
    std::array<std::int16_t, kCells> arrival_{};
};

} // namespace zorvik::computer
