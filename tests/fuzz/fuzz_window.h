// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_window.h"
#include "engine/keys.h"

#include <array>
#include <cstdint>
#include <functional>

namespace zorvik::fuzz {

// Every key the game reads, player 1's then player 2's, in the order of the
// bits of a key state.
inline constexpr std::array<int, 10> kKeys{vk::Left, vk::Up, vk::Right, vk::Down, vk::Control,
                                           vk::A,    vk::W,  vk::D,     vk::S,    vk::Tab};

// The window as the fuzzer plays it: the key state is whatever the input says
// for this tick (the keyboard and the pads alike), and the end screen is
// handed to `onEndScreen`, which decides when it goes.
struct FuzzWindow : GameWindow {
    bool KeyPressed(int key) override {
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            if (kKeys[k] == key) {
                return (keys >> k & 1U) != 0;
            }
        }
        return false;
    }
    void SetTimerEnabled(bool enabled) override { timerOn = enabled; }
    void SetTimerInterval(int milliseconds) override { interval = milliseconds; }
    void ShowEndScreen(const EndScreenContent& content) override { onEndScreen(content); }

    std::uint16_t keys = 0;
    bool timerOn = false;
    int interval = 0;
    std::function<void(const EndScreenContent&)> onEndScreen;
};

} // namespace zorvik::fuzz
