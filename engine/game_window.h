// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"
#include "engine/player_action.h"

namespace zorvik {

// What only a window can give the engine: the players' actions (from the
// keyboard, a gamepad or the computer), the game timer and the modal end
// screen. The main window implements it; tests give the engine
// a scripted fake.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // True when player 1's or 2's action is asked for now (a key held) or
    // has been asked for since the previous query of the same action.
    virtual bool ActionRequested(PlayerControl control) = 0;

    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void SetTimerInterval(int milliseconds) = 0;

    // Shows the end screen modally; returns once the player has dismissed it.
    virtual void ShowEndScreen(const EndScreenContent& content) = 0;
};

} // namespace zorvik
