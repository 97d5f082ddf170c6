// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QString>
#include <SDL.h>

// SDL is loaded when the game first needs it, once its first frame is on
// the screen, and not with the program: the library and the thirty others
// it needs (the sound servers' clients, X and Wayland libraries for windows
// it never opens here) took some 10 ms of every start. The game reaches
// each SDL function it calls through a pointer of the same name without
// the prefix, set when the library is loaded.
namespace zorvik::sdl {

#define ZORVIK_SDL_FUNCTIONS(F)                                                                    \
    F(CloseAudioDevice)                                                                            \
    F(EventState)                                                                                  \
    F(FreeWAV)                                                                                     \
    F(GameControllerClose)                                                                         \
    F(GameControllerGetJoystick)                                                                   \
    F(GameControllerOpen)                                                                          \
    F(GetAudioDeviceStatus)                                                                        \
    F(GetError)                                                                                    \
    F(InitSubSystem)                                                                               \
    F(IsGameController)                                                                            \
    F(JoystickInstanceID)                                                                          \
    F(JoystickNameForIndex)                                                                        \
    F(LoadWAV_RW)                                                                                  \
    F(LockAudioDevice)                                                                             \
    F(MixAudioFormat)                                                                              \
    F(NumJoysticks)                                                                                \
    F(OpenAudioDevice)                                                                             \
    F(PauseAudioDevice)                                                                            \
    F(PeepEvents)                                                                                  \
    F(PumpEvents)                                                                                  \
    F(QuitSubSystem)                                                                               \
    F(RWFromConstMem)                                                                              \
    F(SetError)                                                                                    \
    F(SetHint)                                                                                     \
    F(TLSCleanup)                                                                                  \
    F(UnlockAudioDevice)

#define ZORVIK_SDL_POINTER(name) inline decltype(&::SDL_##name) name = nullptr;
ZORVIK_SDL_FUNCTIONS(ZORVIK_SDL_POINTER)
#undef ZORVIK_SDL_POINTER

// Loads SDL the first time it is called, from any thread; an empty text
// once every function is there, or else why SDL cannot be used.
const QString& Load();

} // namespace zorvik::sdl
