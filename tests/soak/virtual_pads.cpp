// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "virtual_pads.h"

#include <SDL.h>

namespace zorvik::soak {

namespace {

constexpr std::size_t kMostPads = 3;

void Detach(SDL_Joystick* pad) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
    SDL_JoystickClose(pad);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id) {
            SDL_JoystickDetachVirtual(index);
            return;
        }
    }
}

} // namespace

VirtualPads::VirtualPads() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

VirtualPads::~VirtualPads() {
    for (SDL_Joystick* pad : pads_) {
        Detach(pad);
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
        Detach(pads_[which]);
        pads_.erase(pads_.begin() + static_cast<std::ptrdiff_t>(which));
        return;
    }
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    if (SDL_Joystick* pad = index >= 0 ? SDL_JoystickOpen(index) : nullptr) {
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
