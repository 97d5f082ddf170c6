// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

namespace zorvik {

// What a player may ask of their snake in a tick, in the order the game reads
// them: the four turns, then the bite.
enum class PlayerAction { TurnLeft, TurnUp, TurnRight, TurnDown, Bite };

inline constexpr int kPlayerActionCount = 5;

// One player's action: player 1 or 2.
struct PlayerControl {
    int player = 1;
    PlayerAction action = PlayerAction::TurnLeft;

    friend bool operator==(PlayerControl, PlayerControl) = default;
    friend bool operator<(PlayerControl a, PlayerControl b) {
        return a.player != b.player ? a.player < b.player : a.action < b.action;
    }
};

} // namespace zorvik
