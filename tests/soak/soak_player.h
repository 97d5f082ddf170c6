// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "tests/virtual_joystick.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace zorvik {
class MainWindow;
}

namespace zorvik::soak {

// What a soak saw.
struct SoakReport {
    long actions = 0;
    int dialogsOpened = 0;
    int endScreensSeen = 0;
    int stuckWindows = 0;
    int padsPlugged = 0;
    // What the game holds, after the first minute and at the end.
    const char* memory = "";
    double firstMinuteMiB = 0, endMiB = 0;
};

// Plays the main window like a restless pair of players for a while: keys
// for both players, clicks on every control, every dialog opened and
// worked and closed, names typed, end screens dismissed, pads plugged in and
// out, sound turned off and on. The game is kept at its fastest speed with
// two players. Quits the application when the time is up.
class SoakPlayer : public QObject {
    Q_OBJECT
public:
    SoakPlayer(MainWindow& window, std::uint32_t seed, int minutes);
    ~SoakPlayer() override;

    const SoakReport& report() const { return report_; }

private:
    void Step();
    void ActOnMainWindow();
    void ActOnModal(QWidget& modal);
    void PressOrReleaseKey();
    void PlugOrUnplugPad();
    void WorkPad();
    void Finish();

    MainWindow& window_;
    std::mt19937 random_;
    qint64 durationMs_;
    QElapsedTimer clock_;
    QTimer steps_;
    // Gamepads that SDL itself simulates, so that the game meets them as it
    // would meet real ones.
    bool padsAvailable_ = false;
    std::vector<std::unique_ptr<testkit::VirtualPad>> pads_;
    std::set<int> heldKeys_;
    QPointer<QWidget> modal_;
    qint64 modalSince_ = 0;
    // When the modal window is to be worked on next, as a player takes a moment.
    qint64 modalActAt_ = 0;
    bool settled_ = false;
    SoakReport report_;
};

} // namespace zorvik::soak
