// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_window.h"

#include <functional>
#include <set>
#include <vector>

namespace zorvik::testkit {

// A scripted window for the engine's tests and its fuzzer: players' actions
// are held or tapped; an end screen is recorded and goes once `onEndScreen` has looked at
// the game.
struct ScriptedWindow : GameWindow {
    // A tap counts once, as a key pressed and released since its last query.
    bool ActionRequested(PlayerControl control) override {
        return taps.erase(control) > 0 || held.contains(control);
    }
    void SetTimerEnabled(bool enabled) override { timerOn = enabled; }
    void SetTimerInterval(int milliseconds) override { interval = milliseconds; }
    void ShowEndScreen(const EndScreenContent& content) override {
        shown.push_back(content);
        onEndScreen();
    }

    std::set<PlayerControl> held, taps;
    bool timerOn = false;
    int interval = 0;
    std::vector<EndScreenContent> shown;
    std::function<void()> onEndScreen = [] {};
};

} // namespace zorvik::testkit
