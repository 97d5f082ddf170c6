// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QObject>
#include <optional>
#include <set>

class QKeyEvent;

namespace zorvik {

// The keyboard as the game polls it: fed by the key events that reach this
// application's windows (an event filter on the application), it reports a
// key as pressed while it is held or when it was pressed since the previous
// query of that key. Auto-repeat is ignored, modifiers do not change which
// key is reported, and every held key is released when the application loses
// the keyboard.
class KeyState : public QObject {
    Q_OBJECT
public:
    explicit KeyState(QObject* parent = nullptr);

    bool KeyPressed(int virtualKey);

    void Press(int virtualKey);
    void Release(int virtualKey);
    void ReleaseAll();

    // The virtual-key code of a key event, if it is one the game reads.
    static std::optional<int> VirtualKeyOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::set<int> held_;
    std::set<int> pressedSinceQuery_;
};

} // namespace zorvik
