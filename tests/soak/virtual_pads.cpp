// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "virtual_pads.h"

namespace zorvik::soak {

namespace {
constexpr std::size_t kMostPads = 3;
} // namespace

VirtualPads::VirtualPads() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

VirtualPads::~VirtualPads() {
    pads_.clear();
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
        pads_.erase(pads_.begin() + static_cast<std::ptrdiff_t>(random() % pads_.size()));
        return;
    }
    auto pad = std::make_unique<testkit::VirtualPad>();
    if (pad->plugged()) {
        pads_.push_back(std::move(pad));
        ++plugged_;
    }
}

void VirtualPads::Work(std::mt19937& random) {
    if (pads_.empty()) {
        return;
    }
    testkit::VirtualPad& pad = *pads_[random() % pads_.size()];
    if (random() % 3 == 0) {
        std::uniform_int_distribution<int> travel(SDL_JOYSTICK_AXIS_MIN, SDL_JOYSTICK_AXIS_MAX);
        pad.Axis(static_cast<SDL_GameControllerAxis>(random() % SDL_CONTROLLER_AXIS_MAX),
                 travel(random));
    } else {
        pad.Set(static_cast<SDL_GameControllerButton>(random() % SDL_CONTROLLER_BUTTON_MAX),
                random() % 2 == 1);
    }
}

} // namespace zorvik::soak
