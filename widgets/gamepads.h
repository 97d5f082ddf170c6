// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <bitset>
#include <functional>
#include <vector>

class QWidget;
struct _SDL_GameController;

namespace zorvik {

class KeyState;

// Gamepads, one per player, in the order they are plugged in. A pad steers
// by feeding its player's actions into the same key state as the keyboard, so
// a tap between two ticks counts just as a key's does. Pads are read once
// per tick; while no tick runs, only often enough to see Start and pads
// being plugged in. Without SDL's controller support the game simply has
// no pads.
class Gamepads : public QObject {
    Q_OBJECT
public:
    // `mayAct` tells whether a press may count now: only while the game's
    // own window has the keyboard and no dialog is up.
    Gamepads(QWidget& window, KeyState& keys, std::function<bool()> mayAct);
    ~Gamepads() override;
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Takes in everything the pads did since the last read, at a tick. With
    // no pad plugged in there is nothing to read, and a pad plugged in is
    // looked for at the idle pace, as while no tick runs.
    void Read();
    // While the ticks read the pads, nothing else needs to.
    void SetReadByTicks(bool byTicks);

    bool started() const { return started_; }

signals:
    void startPressed();
    // The pad of a player (1 or 2) was unplugged.
    void padUnplugged(int player);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        int id = -1;
        // Held buttons, by SDL's numbers for them.
        std::bitset<32> buttons;
        int stickX = 0;
        int stickY = 0;
        // Which of the player's actions (up, down, left, right, bite) this pad
        // holds down.
        std::array<bool, 5> held{};
    };

    void Start();
    // Takes everything the pads did off SDL's queue.
    void TakeEvents();
    void Connect(int deviceIndex);
    void Disconnect(int id);
    // Hands a free player the first pad waiting for one.
    void SeatWaitingPad();
    // Presses and releases the player's actions to match what the pad holds.
    void Feed(Pad& pad, int player);
    void ScheduleIdleRead();

    QWidget& window_;
    KeyState& keys_;
    std::function<bool()> mayAct_;
    bool started_ = false;
    bool readByTicks_ = false;
    QTimer idleRead_;
    std::array<Pad, 2> players_;
    std::vector<Pad> waiting_;
};

} // namespace zorvik
