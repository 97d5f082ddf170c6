// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "sound/mixer.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>

namespace zorvik {

namespace {

// The format the sound files are written in: the device takes them as they
// are, and SDL converts for the sound server.
constexpr int kSampleRate = 24000;
constexpr int kChannels = 1;
// 256 frames are 11 ms: short enough to start a sound within a tick.
constexpr int kBufferFrames = 256;
// How often an open device looks whether its sounds have ended.
constexpr int kQuietCheckMs = 250;

// The sound of each tick event, in the order of `TickEvent`.
constexpr const char* kFiles[] = {
    ":/sounds/player1_meal.wav", ":/sounds/player2_meal.wav", ":/sounds/bite.wav",
    ":/sounds/next_level.wav",   ":/sounds/campaign_won.wav", ":/sounds/classic_won.wav",
    ":/sounds/game_over.wav",
};

} // namespace

Mixer::Mixer() {
    static_assert(std::size(kFiles) == kSounds);
    quietCheck_.setInterval(kQuietCheckMs);
    connect(&quietCheck_, &QTimer::timeout, this, &Mixer::SleepWhenQuiet);
}

// Runs on the sound thread as it ends, which must leave SDL nothing of its own.
Mixer::~Mixer() {
    Close();
    for (Mix_Chunk* sound : sounds_) {
        Mix_FreeChunk(sound);
    }
    SDL_TLSCleanup();
}

// The sounds keep the device's format, which SDL holds fixed, so they stay
// good while the device sleeps.
void Mixer::Open() {
    if (!Wake()) {
        return;
    }
    for (std::size_t i = 0; i < kSounds; ++i) {
        QFile file(QLatin1String(kFiles[i]));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        sounds_[i] = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
        if (sounds_[i] == nullptr) {
            GoOff();
            return;
        }
    }
    quietCheck_.start();
}

void Mixer::Play(TickEvents events) {
    if (!Wake()) {
        return;
    }
    for (std::size_t i = 0; i < kSounds; ++i) {
        if (events.Has(static_cast<TickEvent>(i))) {
            Mix_PlayChannel(-1, sounds_[i], 0);
        }
    }
    quietCheck_.start();
}

void Mixer::Silence() {
    if (open_) {
        Mix_HaltChannel(-1);
    }
}

bool Mixer::Wake() {
    if (!open_ && !off_) {
        open_ = Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr,
                                    0) == 0;
        if (!open_) {
            GoOff();
        }
    }
    return open_;
}

void Mixer::SleepWhenQuiet() {
    if (Mix_Playing(-1) == 0) {
        Close();
    }
}

void Mixer::Close() {
    quietCheck_.stop();
    if (open_) {
        Mix_CloseAudio();
        open_ = false;
    }
}

void Mixer::GoOff() {
    std::fprintf(stderr, "zorvik: sound is off: %s\n", SDL_GetError());
    off_ = true;
    Close();
}

} // namespace zorvik
