// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <SDL.h>

namespace zorvik::testkit {

// Plugs in a gamepad that SDL simulates, with every button and axis of its
// standard layout, and opens it to be worked; none where SDL refuses.
inline SDL_Joystick* PlugVirtualPad(SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                    const char* name = "Virtual pad") {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = static_cast<Uint16>(type);
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    return index >= 0 ? SDL_JoystickOpen(index) : nullptr;
}

// Pulls out a pad that PlugVirtualPad plugged in.
inline void UnplugVirtualPad(SDL_Joystick* pad) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
    SDL_JoystickClose(pad);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id) {
            SDL_JoystickDetachVirtual(index);
            return;
        }
    }
}

} // namespace zorvik::testkit
