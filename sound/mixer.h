// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/tick_events.h"

#include <QObject>
#include <QTimer>
#include <array>

struct Mix_Chunk;

namespace zorvik {

// The audio device and the sounds loaded for it, worked from the sound
// thread. The device is closed while nothing plays: a paused device would
// still wake the program for every buffer of silence. On the first failure
// sound goes off for the rest of the run, said in one line on stderr.
class Mixer : public QObject {
    Q_OBJECT
public:
    Mixer();
    ~Mixer() override;

    // Opens the device and loads the sounds into it, then lets it sleep.
    void Open();
    void Play(TickEvents events);
    // Stops whatever plays.
    void Silence();

private:
    // Opens the device unless it is open; false when sound is off.
    bool Wake();
    void SleepWhenQuiet();
    void Close();
    void GoOff();

    // One for each tick event, of which the game over is the last.
    static constexpr std::size_t kSounds = static_cast<std::size_t>(TickEvent::GameOver) + 1;
    std::array<Mix_Chunk*, kSounds> sounds_{};
    bool open_ = false;
    bool off_ = false;
    QTimer quietCheck_{this};
};

} // namespace zorvik
