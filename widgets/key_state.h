// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QObject>
#include <optional>
#include <set>

class QKeyEvent;

namespace zorvik {

// The keyboard as the game polls it: it reports a key as pressed while it
// is held or when it was pressed since the previous query of that key. It
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

    bool KeyPressed(int virtualKey);

    void Press(int virtualKey);
    void Release(int virtualKey);
    void ReleaseAll();

    // The virtual-key code of a key event, if it is one the game reads.
    static std::optional<int> VirtualKeyOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QObject* steeringWindow_ = nullptr;
    std::set<int> held_;
    std::set<int> pressedSinceQuery_;
};

} // namespace zorvik
