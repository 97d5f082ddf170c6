// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/player_action.h"

#include <QObject>
#include <optional>
#include <set>

class QKeyEvent;

namespace zorvik {

// The keyboard as the game polls it, by the player's action each key asks
// for: an action is requested while its key is held or when the key was
// pressed since the previous query of that action. Gamepads press and
// release the same actions. It
// watches the key events of the whole application (an event filter on it),
// but only presses that reach the steering window itself count: keys typed
// into a dialog's text box, or scrolling the help text, are not steering.
// Releases count wherever they arrive, so that no key stays held.
// Auto-repeat is ignored, modifiers do not change which key is reported,
// and every held key is released when the application loses the keyboard.
class KeyState : public QObject {
    Q_OBJECT
public:
    explicit KeyState(QObject* parent = nullptr);

    // The one widget whose key presses steer: the main window.
    void SteerFrom(const QObject* window) { steeringWindow_ = window; }

    bool Requested(PlayerControl control);

    void Press(PlayerControl control);
    void Release(PlayerControl control);
    void ReleaseAll();
    // The player's presses since the last query no longer count.
    void ForgetPresses(int player);

    // The player's action a key event asks for, if it is a key the game reads.
    static std::optional<PlayerControl> ControlOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QObject* steeringWindow_ = nullptr;
    std::set<PlayerControl> held_;
    std::set<PlayerControl> pressedSinceQuery_;
};

} // namespace zorvik
