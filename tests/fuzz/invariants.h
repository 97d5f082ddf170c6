// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"
#include "engine/snake_game.h"

namespace zorvik::fuzz {

// The pictures the fuzzer gives the options to choose from: every handle
// distinct from the board's own, so that a cell tells what painted it.
inline constexpr int kSnakePictureBase = 20;
inline constexpr int kTilePictureBase = 30;
inline constexpr int kPictureChoices = 4;

// Each check aborts with a message naming what broke.

// After a tick. `staleCellsMayShow` when a crash or collision ended the game
// within the tick: the fresh game is then drawn over the old board, which the
// next tick's repaint clears.
void CheckAfterTick(const SnakeGame& game, int timerInterval, bool timerOn, bool staleCellsMayShow);

// While an end screen is shown: the timer stopped and a fresh game waiting.
void CheckWhileEndScreenShown(const SnakeGame& game, bool timerOn, const EndScreenContent& content);

// Right after a new game has started: a fresh game on a laid layout.
void CheckFreshGame(const SnakeGame& game, int timerInterval);

// Aborts with `what` unless `holds`.
void Require(bool holds, const char* what);

} // namespace zorvik::fuzz
