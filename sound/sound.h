// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/tick_events.h"

#include <QObject>
#include <QThread>

class QWidget;

namespace zorvik {

class Mixer;

// The game's sounds, one for each thing a tick did. Nothing of SDL starts
// before the window has shown its first frame, and its audio runs only
// while something plays. Opening, playing and closing happen on a thread
// of their own, so that a slow or broken sound server never holds up the
// game; without sound the game plays on silently, told once on stderr.
class Sound : public QObject {
    Q_OBJECT
public:
    explicit Sound(QWidget& window);
    ~Sound() override;

    // Starts a sound for every event at once, together.
    void Play(TickEvents events);
    // Sound is on at every start; off, nothing plays, from now on.
    bool on() const { return on_; }
    void SetOn(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();

    QThread thread_;
    Mixer* mixer_ = nullptr; // lives on thread_, once sound works
    bool on_ = true;
};

} // namespace zorvik
