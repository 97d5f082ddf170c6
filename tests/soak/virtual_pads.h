// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "tests/virtual_joystick.h"

#include <memory>
#include <random>
#include <vector>

namespace zorvik::soak {

// Gamepads that SDL itself simulates, plugged in and out and worked at
// random, so that the game meets them as it would meet real ones.
class VirtualPads {
public:
    VirtualPads();
    ~VirtualPads();
    VirtualPads(const VirtualPads&) = delete;
    VirtualPads& operator=(const VirtualPads&) = delete;

    // Plugs a pad in or pulls one out; at most three are plugged in at once.
    void PlugOrUnplug(std::mt19937& random);
    // Moves a stick, the D-pad or a button of a plugged-in pad.
    void Work(std::mt19937& random);

    bool available() const { return available_; }
    int plugged() const { return plugged_; }

private:
    bool available_ = false;
    int plugged_ = 0;
    std::vector<std::unique_ptr<testkit::VirtualPad>> pads_;
};

} // namespace zorvik::soak
