// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <cstdint>

namespace zorvik::tournament {

enum class Opponent { FoodChaser, StyledRival };

// What a set of games came to.
struct Tally {
    int games = 0;
    int computerWins = 0;
    int capped = 0;
    // Computer deaths while a move with room for its whole length existed.
    int avoidableDeaths = 0;
    long long ticks = 0;
    long long computerFood = 0;
    long long opponentFood = 0;
    long long choices = 0;
    double choiceSeconds = 0;

    void Add(const Tally& game);
};

// A two-player campaign game at the default speed, the computer steering
// player 2 against a scripted player 1, up to its first end screen.
Tally PlayDuel(std::uint32_t seed, Opponent opponent, bool snakesCollide);

// A one-player campaign steered by the computer, up to its win or its death.
Tally PlayAlone(std::uint32_t seed);

} // namespace zorvik::tournament
