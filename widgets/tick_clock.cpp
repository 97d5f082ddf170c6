// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/tick_clock.h"

#include <algorithm>

namespace zorvik {

namespace {

// The longest hold-up whose ticks are made up: beyond it the snakes would
// leap across the board at once.
constexpr std::int64_t kLongestDelayMs = 500;

} // namespace

TickClock::TickClock(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickClock::TimerFired);
}

// The count starts before the timer, so that a firing is never early by it.
void TickClock::Start() {
    Restart();
    timer_.start();
}

void TickClock::Stop() {
    timer_.stop();
    ++run_;
}

void TickClock::SetInterval(int milliseconds) {
    if (running()) {
        Restart();
    }
    timer_.setInterval(milliseconds);
}

void TickClock::Restart() {
    sinceStart_.start();
    ticksPlayed_ = 0;
    ++run_;
}

// Every firing plays at least one tick, and as many more as the timer let
// pass unplayed.
void TickClock::TimerFired() {
    const std::int64_t interval = std::max(timer_.interval(), 1);
    const std::int64_t ticksDue = sinceStart_.elapsed() / interval;
    if ((ticksDue - ticksPlayed_) * interval > kLongestDelayMs) {
        Restart();
        emit ticked();
        return;
    }
    const std::uint64_t run = run_;
    for (std::int64_t i = 0, count = std::max<std::int64_t>(1, ticksDue - ticksPlayed_); i < count;
         ++i) {
        ++ticksPlayed_;
        emit ticked();
        if (run_ != run) {
            return;
        }
    }
}

} // namespace zorvik
