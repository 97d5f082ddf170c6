// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "virtual_pads.h"

#include "tests/virtual_joystick.h"

#include <SDL.h>

namespace zorvik::soak {

namespace {
constexpr std::size_t kMostPads = 3;
} // namespace

VirtualPads::VirtualPads() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

VirtualPads::~VirtualPads() {
    for (SDL_Joystick* pad : pads_) {
        testkit::UnplugVirtualPad(pad);
    }
    if (available_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

void VirtualPads::PlugOrUnplug(std::mt19937& random) {
    if (!available_) {
        return;
    }
    const bool plugIn = pads_.empty() || (pads_.size() < kMostPads && random() % 2 == 0);
    if (!plugIn) {
        const std::size_t which = random() % pads_.size();
        testkit::UnplugVirtualPad(pads_[which]);
        pads_.erase(pads_.begin() + static_cast<std::ptrdiff_t>(which));
        return;
    }
    if (SDL_Joystick* pad = testkit::PlugVirtualPad()) {
        pads_.push_back(pad);
        ++plugged_;
    }
}

void VirtualPads::Work(std::mt19937& random) {
    if (pads_.empty()) {
        return;
    }
    SDL_Joystick* pad = pads_[random() % pads_.size()];
    if (random() % 3 == 0) {
        const auto axis = static_cast<int>(random() % SDL_CONTROLLER_AXIS_MAX);
        std::uniform_int_distribution<int> travel(SDL_JOYSTICK_AXIS_MIN, SDL_JOYSTICK_AXIS_MAX);
        SDL_JoystickSetVirtualAxis(pad, axis, static_cast<Sint16>(travel(random)));
    } else {
        const auto button = static_cast<int>(random() % SDL_CONTROLLER_BUTTON_MAX);
        SDL_JoystickSetVirtualButton(pad, button, static_cast<Uint8>(random() % 2));
    }
}

} // namespace zorvik::soak
