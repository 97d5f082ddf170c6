// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>

namespace zorvik {

// The game's clock: one tick per interval, counted from when it started, so
// the game keeps its pace when the program is held up. A timer that fires
// a whole interval late drops the ticks it missed; this clock plays them as
// soon as it runs again. A hold-up longer than it makes up is a freeze, not
// a delay, and the count starts afresh after it.
class TickClock : public QObject {
    Q_OBJECT
public:
    explicit TickClock(QObject* parent);

    void Start();
    void Stop();
    // A new interval counts from now.
    void SetInterval(int milliseconds);
    bool running() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

signals:
    void ticked();

private:
    void TimerFired();
    void Restart();

    QTimer timer_{this};
    QElapsedTimer sinceStart_;
    std::int64_t ticksPlayed_ = 0;
    // Changes with every start, so that a tick which stops or restarts the
    // clock ends the ticks being made up.
    std::uint64_t run_ = 0;
};

} // namespace zorvik
