// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "sound/mixer.h"

#include "widgets/say_on_stderr.h"
#include "widgets/sdl_library.h"
#include "widgets/sdl_lock.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstring>

namespace zorvik {

namespace {

// The format the sound files are written in: the device takes them as they
// are, and SDL converts for the sound server.
constexpr int kSampleRate = 24000;
constexpr SDL_AudioFormat kFormat = AUDIO_S16LSB;
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
    for (const Voice& sound : sounds_) {
        sdl::FreeWAV(const_cast<Uint8*>(sound.next));
    }
    sdl::TLSCleanup();
}

// SDL reads its hints as it reads a file.
void Mixer::Load() {
    const std::lock_guard lock(SdlLock());
    for (std::size_t i = 0; i < kSounds; ++i) {
        QFile file(QLatin1String(kFiles[i]));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        SDL_AudioSpec fileFormat;
        Uint8* samples = nullptr;
        if (sdl::LoadWAV_RW(sdl::RWFromConstMem(bytes.constData(), int(bytes.size())), 1,
                            &fileFormat, &samples, &sounds_[i].bytes) == nullptr) {
            GoOff();
            return;
        }
        sounds_[i].next = samples;
        if (fileFormat.freq != kSampleRate || fileFormat.format != kFormat ||
            fileFormat.channels != kChannels) {
            sdl::SetError("%s is not 16-bit mono at 24 kHz", kFiles[i]);
            GoOff();
            return;
        }
    }
}

// The sounds of one tick start in the same buffer.
void Mixer::Play(TickEvents events) {
    if (!Wake()) {
        return;
    }
    sdl::LockAudioDevice(device_);
    for (std::size_t i = 0; i < kSounds; ++i) {
        if (events.Has(static_cast<TickEvent>(i))) {
            // A free voice, or else the one nearest its end.
            *std::ranges::min_element(voices_, {}, &Voice::bytes) = sounds_[i];
        }
    }
    sdl::UnlockAudioDevice(device_);
    sdl::PauseAudioDevice(device_, 0);
    quietCheck_.start();
}

void Mixer::Silence() {
    if (device_ != 0) {
        sdl::LockAudioDevice(device_);
        voices_.fill({});
        sdl::UnlockAudioDevice(device_);
    }
}

void Mixer::Mix(void* mixer, Uint8* buffer, int bytes) {
    std::memset(buffer, 0, static_cast<std::size_t>(bytes));
    for (Voice& voice : static_cast<Mixer*>(mixer)->voices_) {
        const Uint32 mixed = std::min(voice.bytes, static_cast<Uint32>(bytes));
        sdl::MixAudioFormat(buffer, voice.next, kFormat, mixed, SDL_MIX_MAXVOLUME);
        voice.next += mixed;
        voice.bytes -= mixed;
    }
}

// SDL's audio starts here, not on the window's thread, so that a slow sound
// server holds up nothing. The device opens paused.
bool Mixer::Wake() {
    if (device_ != 0 || off_) {
        return device_ != 0;
    }
    const std::lock_guard lock(SdlLock());
    if (sdl::InitSubSystem(SDL_INIT_AUDIO) != 0) {
        GoOff();
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &Mixer::Mix;
    wanted.userdata = this;
    device_ = sdl::OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        GoOff();
        sdl::QuitSubSystem(SDL_INIT_AUDIO);
    }
    return device_ != 0;
}

// A device that failed as it played has stopped for good.
void Mixer::SleepWhenQuiet() {
    sdl::LockAudioDevice(device_);
    const bool playing = std::ranges::any_of(voices_, [](const Voice& v) { return v.bytes > 0; });
    sdl::UnlockAudioDevice(device_);
    if (!playing || sdl::GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
        Close();
    }
}

void Mixer::Close() {
    quietCheck_.stop();
    if (device_ != 0) {
        const std::lock_guard lock(SdlLock());
        sdl::CloseAudioDevice(device_);
        sdl::QuitSubSystem(SDL_INIT_AUDIO);
        device_ = 0;
        voices_.fill({});
    }
}

void ReportSoundOff(const QString& reason) {
    SayOnStderr(
        QCoreApplication::translate("Sound", "sound is off: %1", "%1 is the audio system's reason")
            .arg(reason));
}

void Mixer::GoOff() {
    ReportSoundOff(QString::fromUtf8(sdl::GetError()));
    off_ = true;
}

} // namespace zorvik
