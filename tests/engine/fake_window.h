// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_window.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zorvik::fakes {

// A scripted window: keys are held or tapped by the test, the end screen is
// dismissed at once and remembered, and every key query is logged.
class FakeWindow : public GameWindow {
public:
    bool KeyPressed(int virtualKey) override {
        queries.push_back(virtualKey);
        const bool tapped = taps.erase(virtualKey) > 0;
        return tapped || held.count(virtualKey) > 0;
    }
    bool TimerEnabled() const override { return timerEnabled; }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    int TimerInterval() const override { return interval; }
    void SetTimerInterval(int milliseconds) override { interval = milliseconds; }
    void ShowEndScreen(const EndScreenContent& content) override {
        endScreens.push_back(content);
        timerEnabledDuringEndScreen = timerEnabled;
        if (onEndScreen) {
            onEndScreen();
        }
    }
    std::string PlayerName(int player) const override { return player == 1 ? name1 : name2; }
    bool SnakesCollide() const override { return collide; }

    // A key pressed and released before the next query of it.
    void Tap(int key) { taps.insert(key); }
    void Hold(int key) { held.insert(key); }
    void Release(int key) { held.erase(key); }

    std::set<int> held;
    std::set<int> taps;
    std::vector<int> queries;
    bool timerEnabled = false;
    bool timerEnabledDuringEndScreen = false;
    int interval = 250;
    std::vector<EndScreenContent> endScreens;
    std::function<void()> onEndScreen;
    std::string name1 = "Player1";
    std::string name2 = "Player2";
    bool collide = false;
};

} // namespace zorvik::fakes
