// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/tick_events.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <SDL_audio.h>
#include <array>

namespace zorvik {

// The game's sounds and the audio device that mixes them, worked from the
// sound thread. SDL's audio starts only when a sound is to play and stops
// once nothing plays: a paused device still wakes the program for every
// buffer of silence, and SDL's audio, even without a device, looks for
// sound cards being plugged in ten times a second. On the first failure
// sound goes off for the rest of the run, said in one line on stderr.
class Mixer : public QObject {
    Q_OBJECT
public:
    Mixer();
    ~Mixer() override;

    // Reads the sounds, once.
    void Load();
    void Play(TickEvents events);
    // Stops whatever plays.
    void Silence();

private:
    // A sound playing: what is left of it.
    struct Voice {
        const Uint8* next = nullptr;
        Uint32 bytes = 0;
    };

    // SDL's audio thread asks for the next buffer: the voices added up.
    static void Mix(void* mixer, Uint8* buffer, int bytes);
    // Opens the device unless it is open; false when sound is off.
    bool Wake();
    void SleepWhenQuiet();
    void Close();
    void GoOff();

    // One for each tick event, of which the game over is the last.
    static constexpr std::size_t kSounds = static_cast<std::size_t>(TickEvent::GameOver) + 1;
    std::array<Voice, kSounds> sounds_{};
    // Touched by SDL's audio thread, and by this one only under the
    // device's lock.
    std::array<Voice, 8> voices_{};
    SDL_AudioDeviceID device_ = 0;
    bool off_ = false;
    QTimer quietCheck_{this};
};

// Says on stderr, once for each time it happens, why the game is silent.
void ReportSoundOff(const QString& reason);

} // namespace zorvik
