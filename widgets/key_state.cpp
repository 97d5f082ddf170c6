// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/key_state.h"

#include <QChar>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace zorvik {

namespace {

using enum PlayerAction;

// Player 2's W, A, S and D keys by position, as scan codes on X11 and Wayland
// (the evdev codes plus 8), for layouts whose letters are not Latin.
std::optional<PlayerControl> SteeringKeyAtPosition(quint32 scanCode) {
    switch (scanCode) {
    case 25:
        return PlayerControl{2, TurnUp};
    case 38:
        return PlayerControl{2, TurnLeft};
    case 39:
        return PlayerControl{2, TurnDown};
    case 40:
        return PlayerControl{2, TurnRight};
    default:
        return std::nullopt;
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
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left:
        return PlayerControl{1, TurnLeft};
    case Qt::Key_Up:
        return PlayerControl{1, TurnUp};
    case Qt::Key_Right:
        return PlayerControl{1, TurnRight};
    case Qt::Key_Down:
        return PlayerControl{1, TurnDown};
    case Qt::Key_Control:
        return PlayerControl{1, Bite};
    case Qt::Key_A:
        return PlayerControl{2, TurnLeft};
    case Qt::Key_W:
        return PlayerControl{2, TurnUp};
    case Qt::Key_D:
        return PlayerControl{2, TurnRight};
    case Qt::Key_S:
        return PlayerControl{2, TurnDown};
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // Tab with Shift held
        return PlayerControl{2, Bite};
    default:
        break;
    }
    if (IsNonLatinLetter(key)) {
        return SteeringKeyAtPosition(event.nativeScanCode());
    }
    return std::nullopt;
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
