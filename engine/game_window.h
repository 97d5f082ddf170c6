// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"

namespace zorvik {

// What only a window can give the engine: the keyboard, the game timer and
// the modal end screen. The main window implements it; tests give the engine
// a scripted fake.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // True when the key with this virtual-key code is held now or has been
    // pressed since the previous query of the same key.
    virtual bool KeyPressed(int virtualKey) = 0;

    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void SetTimerInterval(int milliseconds) = 0;

    // Shows the end screen modally; returns once the player has dismissed it.
    virtual void ShowEndScreen(const EndScreenContent& content) = 0;
};

} // namespace zorvik
