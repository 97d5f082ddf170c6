// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/key_state.h"

#include "engine/keys.h"

#include <QChar>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace zorvik {

namespace {

// The W, A, S and D keys by position, as scan codes on X11 and Wayland (the
// evdev codes plus 8), for layouts whose letters are not Latin.
std::optional<int> SteeringKeyAtPosition(quint32 scanCode) {
    switch (scanCode) {
    case 25:
        return vk::W;
    case 38:
        return vk::A;
    case 39:
        return vk::S;
    case 40:
        return vk::D;
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

bool KeyState::KeyPressed(int virtualKey) {
    const bool pressedSinceQuery = pressedSinceQuery_.erase(virtualKey) > 0;
    return pressedSinceQuery || held_.contains(virtualKey);
}

void KeyState::Press(int virtualKey) {
    held_.insert(virtualKey);
    pressedSinceQuery_.insert(virtualKey);
}

void KeyState::Release(int virtualKey) {
    held_.erase(virtualKey);
}

// A press made in this application and not yet queried still counts.
void KeyState::ReleaseAll() {
    held_.clear();
}

std::optional<int> KeyState::VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Control:
        return vk::Control;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // Tab with Shift held
        return vk::Tab;
    default:
        break;
    }
    // The letter keys' codes are their upper-case Latin letters, as Qt's are.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key;
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
    if (const auto virtualKey = VirtualKeyOf(keyEvent)) {
        if (event->type() == QEvent::KeyPress) {
            if (watched == steeringWindow_) {
                Press(*virtualKey);
            }
        } else {
            Release(*virtualKey);
        }
    }
    return false;
}

} // namespace zorvik
