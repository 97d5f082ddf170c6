// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "sound/sound.h"

#include "sound/mixer.h"
#include "widgets/sdl_library.h"
#include "widgets/sdl_lock.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
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
    const std::lock_guard lock(SdlLock());
    sdl::QuitSubSystem(SDL_INIT_EVENTS);
}

// SDL starts once the first frame is on the screen, never before.
bool Sound::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &Sound::Start);
    }
    return false;
}

// SDL's audio starts and stops on the sound thread, as sounds come and go;
// its events, on which it counts, are held here for the whole run, so that
// they never stop with it and the news of audio devices coming and going,
// which nobody reads, stays ignored. SDL opens no window and leaves the
// program's signals alone.
void Sound::Start() {
    snd_lib_error_set_handler(IgnoreAlsaError);
    if (const QString& failure = sdl::Load(); !failure.isEmpty()) {
        ReportSoundOff(failure);
        return;
    }
    {
        const std::lock_guard lock(SdlLock());
        sdl::SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdl::SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zorvik");
        if (sdl::InitSubSystem(SDL_INIT_EVENTS) != 0) {
            ReportSoundOff(QString::fromUtf8(sdl::GetError()));
            return;
        }
        sdl::EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
        sdl::EventState(SDL_AUDIODEVICEREMOVED, SDL_IGNORE);
    }
    thread_.setObjectName(QStringLiteral("sound"));
    mixer_ = new Mixer;
    mixer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, mixer_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(mixer_, &Mixer::Load);
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
