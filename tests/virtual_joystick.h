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

// A pad that PlugVirtualPad plugs in for as long as it lives, worked as a
// player works a real one.
class VirtualPad {
public:
    explicit VirtualPad(SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                        const char* name = "Virtual pad")
        : joystick_(PlugVirtualPad(type, name)) {}
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr; }

    void Set(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
        SDL_JoystickUpdate();
    }
    // Pressed and released before anyone looks.
    void Tap(SDL_GameControllerButton button) {
        Set(button, true);
        Set(button, false);
    }
    void Stick(int x, int y) {
        Axis(SDL_CONTROLLER_AXIS_LEFTX, x);
        Axis(SDL_CONTROLLER_AXIS_LEFTY, y);
        SDL_JoystickUpdate();
    }
    void Axis(SDL_GameControllerAxis axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    }
    void Unplug() {
        if (joystick_ == nullptr) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickDetachVirtual(index);
                break;
            }
        }
        SDL_JoystickUpdate();
    }

private:
    SDL_Joystick* joystick_;
};

} // namespace zorvik::testkit
