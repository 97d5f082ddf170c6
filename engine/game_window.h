// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"

#include <string>

namespace zorvik {

// What the engine needs from the window it plays in. The main window
// implements it; tests give the engine a scripted fake.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // True when the key with this virtual-key code is held now or has been
    // pressed since the previous query of the same key.
    virtual bool KeyPressed(int virtualKey) = 0;

    virtual bool TimerEnabled() const = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual int TimerInterval() const = 0;
    virtual void SetTimerInterval(int milliseconds) = 0;

    // Shows the end screen modally; returns once the player has dismissed it.
    virtual void ShowEndScreen(const EndScreenContent& content) = 0;

    // The player names as shown on the main window, player 1 or 2.
    virtual std::string PlayerName(int player) const = 0;

    // The collide option of the settings window.
    virtual bool SnakesCollide() const = 0;
};

} // namespace zorvik
