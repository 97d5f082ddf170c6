// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "sound/sound.h"

#include "sound/mixer.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <SDL.h>
#include <alsa/asoundlib.h>
#include <cstdio>

namespace zorvik {

namespace {

// ALSA prints a page of its configuration's errors on stderr where a
// machine has no sound card; the game's own one line says it all.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

Sound::Sound(QWidget& window) : QObject(&window) {
    window.installEventFilter(this);
}

Sound::~Sound() {
    if (mixer_ == nullptr) {
        return;
    }
    thread_.quit();
    thread_.wait();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// The device opens once the first frame is on the screen, never before.
bool Sound::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &Sound::Start);
    }
    return false;
}

// SDL is started here, on the window's thread, as its other users start it;
// only the device's work goes to the sound thread. SDL opens no window and
// leaves the program's signals alone.
void Sound::Start() {
    snd_lib_error_set_handler(IgnoreAlsaError);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zorvik");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "zorvik: sound is off: %s\n", SDL_GetError());
        return;
    }
    // Nobody reads SDL's news of audio devices coming and going: a sleeping
    // device wakes on whichever is the default one then.
    SDL_EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
    SDL_EventState(SDL_AUDIODEVICEREMOVED, SDL_IGNORE);
    thread_.setObjectName(QStringLiteral("sound"));
    mixer_ = new Mixer;
    mixer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, mixer_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(mixer_, &Mixer::Open);
}

void Sound::Play(TickEvents events) {
    if (on_ && mixer_ != nullptr && !events.empty()) {
        QMetaObject::invokeMethod(mixer_, [mixer = mixer_, events] { mixer->Play(events); });
    }
}

void Sound::SetOn(bool on) {
    on_ = on;
    if (!on && mixer_ != nullptr) {
        QMetaObject::invokeMethod(mixer_, &Mixer::Silence);
    }
}

} // namespace zorvik
