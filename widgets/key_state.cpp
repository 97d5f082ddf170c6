// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/key_state.h"

#include <QChar>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <array>

namespace zorvik {

namespace {

using enum PlayerAction;

// The keys the game reads, each with the player's action it asks for.
struct KeyAction {
    int key;
    PlayerControl control;
};
constexpr std::array<KeyAction, 11> kKeyActions{{
    {Qt::Key_Left, {1, TurnLeft}},
    {Qt::Key_Up, {1, TurnUp}},
    {Qt::Key_Right, {1, TurnRight}},
    {Qt::Key_Down, {1, TurnDown}},
    {Qt::Key_Control, {1, Bite}},
    {Qt::Key_A, {2, TurnLeft}},
    {Qt::Key_W, {2, TurnUp}},
    {Qt::Key_D, {2, TurnRight}},
    {Qt::Key_S, {2, TurnDown}},
    {Qt::Key_Tab, {2, Bite}},
    {Qt::Key_Backtab, {2, Bite}}, // Tab with Shift held
}};

// The W, A, S or D key at this position, as scan codes on X11 and Wayland
// (the evdev codes plus 8), for layouts whose letters are not Latin; 0 for
// any other position.
int SteeringLetterAtPosition(quint32 scanCode) {
    switch (scanCode) {
    case 25:
        return Qt::Key_W;
    case 38:
        return Qt::Key_A;
    case 39:
        return Qt::Key_S;
    case 40:
        return Qt::Key_D;
    default:
        return 0;
    }
}

bool IsNonLatinLetter(int key) {
    return key >= 0 && key <= int(QChar::LastValidCodePoint) && QChar::isLetter(char32_t(key)) &&
           !(key >= Qt::Key_A && key <= Qt::Key_Z);
}

} // namespace

KeyState::KeyState(QObject* parent) : QObject(parent) {
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive) {
                        ReleaseAll();
                    }
                });
        connect(app, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
            if (focus == nullptr) {
                ReleaseAll();
            }
        });
    }
}

bool KeyState::Requested(PlayerControl control) {
    const bool pressedSinceQuery = pressedSinceQuery_.erase(control) > 0;
    return pressedSinceQuery || held_.contains(control);
}

void KeyState::Press(PlayerControl control) {
    held_.insert(control);
    pressedSinceQuery_.insert(control);
}

void KeyState::Release(PlayerControl control) {
    held_.erase(control);
}

// A press made in this application and not yet queried still counts.
void KeyState::ReleaseAll() {
    held_.clear();
}

void KeyState::ForgetPresses(int player) {
    std::erase_if(pressedSinceQuery_,
                  [player](PlayerControl control) { return control.player == player; });
}

std::optional<PlayerControl> KeyState::ControlOf(const QKeyEvent& event) {
    int key = event.key();
    if (IsNonLatinLetter(key)) {
        key = SteeringLetterAtPosition(event.nativeScanCode());
    }
    const auto* found = std::ranges::find(kKeyActions, key, &KeyAction::key);
    if (found == kKeyActions.end()) {
        return std::nullopt;
    }
    return found->control;
}

// Only watches: every key event still reaches its widget, so text boxes work.
bool KeyState::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (keyEvent.isAutoRepeat()) {
        return false;
    }
    // A key event passes the platform window and then each widget on its way
    // to the one with the focus: only the steering window's own count.
    if (const auto control = ControlOf(keyEvent)) {
        if (event->type() == QEvent::KeyPress) {
            if (watched == steeringWindow_) {
                Press(*control);
            }
        } else {
            Release(*control);
        }
    }
    return false;
}

} // namespace zorvik
