// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/gamepads.h"

#include "widgets/key_state.h"
#include "widgets/say_on_stderr.h"
#include "widgets/sdl_library.h"
#include "widgets/sdl_lock.h"

#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace zorvik {

namespace {

// The stick steers once it is pushed beyond a quarter of its travel.
constexpr int kStickDeadZone = SDL_JOYSTICK_AXIS_MAX / 4;
// While no tick reads the pads: often enough for Start with a pad
// attached, and once a second to notice one being plugged in.
constexpr int kIdleReadWithPadMs = 50;
constexpr int kIdleReadWithoutPadMs = 1000;
static_assert(SDL_CONTROLLER_BUTTON_MAX <= 32);

// A player's actions in the order a pad holds them: up, down, left, right,
// bite.
enum PadKey { kUp, kDown, kLeft, kRight, kBite };
constexpr std::array<PlayerAction, 5> kPadActions{PlayerAction::TurnUp, PlayerAction::TurnDown,
                                                  PlayerAction::TurnLeft, PlayerAction::TurnRight,
                                                  PlayerAction::Bite};

// What the pad's buttons and stick hold down of the player's actions. The
// stick points by its stronger axis.
std::array<bool, 5> KeysHeldBy(const std::bitset<32>& buttons, int x, int y) {
    std::array<bool, 5> held{};
    held[kUp] = buttons[SDL_CONTROLLER_BUTTON_DPAD_UP];
    held[kDown] = buttons[SDL_CONTROLLER_BUTTON_DPAD_DOWN];
    held[kLeft] = buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT];
    held[kRight] = buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT];
    held[kBite] = buttons[SDL_CONTROLLER_BUTTON_A] || buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER];
    if (std::max(std::abs(x), std::abs(y)) > kStickDeadZone) {
        const PadKey stick =
            std::abs(x) >= std::abs(y) ? (x > 0 ? kRight : kLeft) : (y > 0 ? kDown : kUp);
        held[stick] = true;
    }
    return held;
}

} // namespace

Gamepads::Gamepads(QWidget& window, KeyState& keys, std::function<bool()> mayAct)
    : window_(window), keys_(keys), mayAct_(std::move(mayAct)) {
    idleRead_.setSingleShot(true);
    connect(&idleRead_, &QTimer::timeout, this, [this] {
        TakeEvents();
        ScheduleIdleRead();
    });
    // SDL starts after the window's first frame, so that it never slows the
    // start.
    window_.installEventFilter(this);
}

Gamepads::~Gamepads() {
    if (!started_) {
        return;
    }
    for (Pad& pad : players_) {
        if (pad.controller != nullptr) {
            sdl::GameControllerClose(pad.controller);
        }
    }
    for (Pad& pad : waiting_) {
        sdl::GameControllerClose(pad.controller);
    }
    const std::lock_guard lock(SdlLock());
    sdl::QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepads::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Paint) {
        window_.removeEventFilter(this);
        QTimer::singleShot(0, this, &Gamepads::Start);
    }
    return false;
}

void Gamepads::Start() {
    const QString& failure = sdl::Load();
    if (!failure.isEmpty()) {
        SayOnStderr(tr("gamepads are off: %1", "%1 is the input system's reason").arg(failure));
        return;
    }
    const std::lock_guard lock(SdlLock());
    // SIGINT and SIGTERM must still end the game at once, and SDL owns no
    // window here, so the game checks its own focus.
    sdl::SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl::SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl::InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        SayOnStderr(tr("gamepads are off: %1", "%1 is the input system's reason")
                        .arg(QString::fromUtf8(sdl::GetError())));
        return;
    }
    started_ = true;
    // The raw joystick events must flow, since the mapped controls are made
    // from them; the touchpads and motion sensors would only fill the queue.
    for (Uint32 type :
         {SDL_JOYBALLMOTION, SDL_JOYBATTERYUPDATED, SDL_CONTROLLERTOUCHPADDOWN,
          SDL_CONTROLLERTOUCHPADMOTION, SDL_CONTROLLERTOUCHPADUP, SDL_CONTROLLERSENSORUPDATE}) {
        sdl::EventState(type, SDL_IGNORE);
    }
    TakeEvents();
    ScheduleIdleRead();
}

void Gamepads::SetReadByTicks(bool byTicks) {
    readByTicks_ = byTicks;
    ScheduleIdleRead();
}

// Without a pad, even a running game only looks for one now and then.
void Gamepads::ScheduleIdleRead() {
    const bool padPlugged = started_ && sdl::NumJoysticks() > 0;
    if (!started_ || (readByTicks_ && padPlugged)) {
        idleRead_.stop();
    } else if (!readByTicks_ || !idleRead_.isActive()) {
        idleRead_.start(padPlugged ? kIdleReadWithPadMs : kIdleReadWithoutPadMs);
    }
}

void Gamepads::Read() {
    if (started_ && sdl::NumJoysticks() > 0) {
        TakeEvents();
        ScheduleIdleRead();
    }
}

void Gamepads::TakeEvents() {
    sdl::PumpEvents();
    // Every joystick and controller event is taken off the queue, the raw
    // ones too, or they would pile up until the queue is full and the pads
    // go dead.
    SDL_Event event;
    while (sdl::PeepEvents(&event, 1, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE) >
           0) {
        switch (event.type) {
        case SDL_JOYDEVICEADDED:
            Connect(event.jdevice.which);
            continue;
        case SDL_CONTROLLERDEVICEREMOVED:
            Disconnect(event.cdevice.which);
            continue;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            break;
        default:
            continue;
        }
        const int id =
            event.type == SDL_CONTROLLERAXISMOTION ? event.caxis.which : event.cbutton.which;
        const int player = players_[0].id == id ? 0 : players_[1].id == id ? 1 : -1;
        if (player < 0) {
            continue;
        }
        Pad& pad = players_[player];
        if (event.type == SDL_CONTROLLERAXISMOTION) {
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                pad.stickX = event.caxis.value;
            } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                pad.stickY = event.caxis.value;
            }
        } else if (event.cbutton.button < pad.buttons.size()) {
            const bool down = event.cbutton.state == SDL_PRESSED;
            pad.buttons[event.cbutton.button] = down;
            if (event.cbutton.button == SDL_CONTROLLER_BUTTON_START && down && mayAct_()) {
                emit startPressed();
            }
        }
        Feed(pad, player);
    }
}

void Gamepads::Feed(Pad& pad, int player) {
    const std::array<bool, 5> wanted = KeysHeldBy(pad.buttons, pad.stickX, pad.stickY);
    // A press that may not count now is used up unseen: held on into the
    // game, it does not steer until it is pressed again.
    const bool mayAct = mayAct_();
    for (std::size_t k = 0; k < wanted.size(); ++k) {
        const PlayerControl control{player + 1, kPadActions[k]};
        if (pad.held[k] && !wanted[k]) {
            keys_.Release(control);
        } else if (!pad.held[k] && wanted[k] && mayAct) {
            keys_.Press(control);
        }
    }
    pad.held = wanted;
}

void Gamepads::Connect(int deviceIndex) {
    if (!sdl::IsGameController(deviceIndex)) {
        SayOnStderr(tr("the gamepad \"%1\" has no known button layout and is ignored; "
                       "give it one in SDL_GAMECONTROLLERCONFIG")
                        .arg(QString::fromUtf8(sdl::JoystickNameForIndex(deviceIndex))));
        return;
    }
    SDL_GameController* controller = sdl::GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    Pad pad;
    pad.controller = controller;
    pad.id = sdl::JoystickInstanceID(sdl::GameControllerGetJoystick(controller));
    waiting_.push_back(pad);
    SeatWaitingPad();
    ScheduleIdleRead();
}

void Gamepads::Disconnect(int id) {
    std::erase_if(waiting_, [id](const Pad& pad) {
        if (pad.id == id) {
            sdl::GameControllerClose(pad.controller);
        }
        return pad.id == id;
    });
    for (int player = 0; player < 2; ++player) {
        Pad& pad = players_[player];
        if (pad.id != id) {
            continue;
        }
        for (std::size_t k = 0; k < pad.held.size(); ++k) {
            if (pad.held[k]) {
                keys_.Release({player + 1, kPadActions[k]});
            }
        }
        sdl::GameControllerClose(pad.controller);
        pad = Pad{};
        emit padUnplugged(player + 1);
        SeatWaitingPad();
    }
    ScheduleIdleRead();
}

void Gamepads::SeatWaitingPad() {
    for (Pad& seat : players_) {
        if (seat.controller == nullptr && !waiting_.empty()) {
            seat = waiting_.front();
            waiting_.erase(waiting_.begin());
        }
    }
}

} // namespace zorvik
