// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "soak_player.h"

#include "ui/end_screen.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <cstddef>
#include <unistd.h>

// The sanitizer's count of the bytes the program has allocated and not freed;
// absent from a build without the sanitizer.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

using namespace Qt::StringLiterals;

namespace zorvik::soak {

namespace {

constexpr int kStepMs = 4;
constexpr qint64 kMinuteMs = 60'000;
// A dialog the player has been working on for this long without getting out.
constexpr qint64 kStuckMs = 10'000;
constexpr int kFastestStep = 6;
constexpr std::size_t kMostPads = 3;

// Both players' keys, then sound and pause.
constexpr std::array kPlayerKeys{Qt::Key_Left,    Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                                 Qt::Key_Control, Qt::Key_A,  Qt::Key_W,     Qt::Key_D,
                                 Qt::Key_S,       Qt::Key_Tab};

// The main window's controls worth clicking: not Exit, which ends the soak,
// nor More Games, which starts a browser.
const std::array kControls{u"pauseButton"_s, u"helpButton"_s,  u"setupWord"_s,     u"player1Name"_s,
                           u"player2Name"_s, u"newGameWord"_s, u"minimiseButton"_s};

// What the game holds, in MiB. The sanitizer's allocator keeps every page it
// once used and a record of every call stack it saw, so under it resident
// memory grows with the run's variety; what the game itself holds is its
// heap. Without the sanitizer there is no heap count, and resident memory is
// the measure.
double MemoryNowMiB() {
    constexpr double kMiB = 1024 * 1024;
    if (__sanitizer_get_current_allocated_bytes != nullptr) {
        return double(__sanitizer_get_current_allocated_bytes()) / kMiB;
    }
    QFile statm(u"/proc/self/statm"_s);
    const QList<QByteArray> pages =
        statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return pages.size() > 1 ? pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / kMiB : 0;
}

void SendKey(QWidget& to, QEvent::Type type, int key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(&to, &event);
}

// Clicks the control of that name in the window, if it is shown.
void ClickControl(QWidget& window, const QString& name) {
    auto* control = window.findChild<QWidget*>(name);
    if (control == nullptr || !control->isVisible() || name.isEmpty()) {
        return;
    }
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        option->click();
        return;
    }
    QTest::mouseClick(control, Qt::LeftButton);
}

// A name as players type them, or as nobody would: empty, very long, or
// with a direction override inside.
QString RandomName(std::mt19937& random) {
    switch (random() % 4) {
    case 0:
        return {};
    case 1:
        return QString(int(random() % 3000), QChar(u'a' + int(random() % 26)));
    case 2:
        return u"\u202Eevil\u2067<b>x</b>"_s;
    default:
        return u"Ünïcødé Ωmega"_s.left(int(random() % 14));
    }
}

} // namespace

SoakPlayer::SoakPlayer(MainWindow& window, std::uint32_t seed, int minutes)
    : window_(window), random_(seed), durationMs_(minutes * kMinuteMs) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    padsAvailable_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    report_.memory =
        __sanitizer_get_current_allocated_bytes != nullptr ? "heap in use" : "resident memory";
    clock_.start();
    steps_.setInterval(kStepMs);
    // Queued: a step that opens a dialog runs its event loop, and a timer
    // never fires again while its own timeout is being handled.
    connect(&steps_, &QTimer::timeout, this, &SoakPlayer::Step, Qt::QueuedConnection);
    steps_.start();
}

SoakPlayer::~SoakPlayer() {
    pads_.clear();
    if (padsAvailable_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

void SoakPlayer::Step() {
    const qint64 now = clock_.elapsed();
    if (report_.firstMinuteMiB == 0 && now >= kMinuteMs) {
        report_.firstMinuteMiB = MemoryNowMiB();
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (now >= durationMs_) {
        Finish();
        return;
    }
    if (modal == nullptr) {
        modal_.clear();
        ActOnMainWindow();
        return;
    }
    if (modal != modal_) {
        modal_ = modal;
        modalSince_ = now;
        modalActAt_ = now + random_() % 400;
        ++(qobject_cast<EndScreen*>(modal) != nullptr ? report_.endScreensSeen
                                                      : report_.dialogsOpened);
    }
    if (now - modalSince_ > kStuckMs) {
        ++report_.stuckWindows;
        modal->hide();
        return;
    }
    if (now >= modalActAt_) {
        modalActAt_ = now + random_() % 200;
        ActOnModal(*modal);
    }
}

void SoakPlayer::ActOnMainWindow() {
    ++report_.actions;
    if (window_.isMinimized()) {
        window_.showNormal();
        window_.activateWindow();
        return;
    }
    const auto roll = random_() % 1000;
    if (!settled_ || roll < 4) {
        ClickControl(window_, u"setupWord"_s);
    } else if (!window_.TimerEnabled() && roll < 300) {
        ClickControl(window_, u"pauseButton"_s);
    } else if (roll < 750) {
        PressOrReleaseKey();
    } else if (roll < 900) {
        WorkPad();
    } else if (roll < 903) {
        PlugOrUnplugPad();
    } else if (roll < 908) {
        QTest::keyClick(&window_, Qt::Key_M);
    } else if (roll < 911) {
        QTest::keyClick(&window_, Qt::Key_P);
    } else if (roll < 918) {
        ClickControl(window_, kControls[random_() % kControls.size()]);
    }
}

void SoakPlayer::PressOrReleaseKey() {
    const int key = kPlayerKeys[random_() % kPlayerKeys.size()];
    const bool held = heldKeys_.erase(key) > 0;
    SendKey(window_, held ? QEvent::KeyRelease : QEvent::KeyPress, key);
    if (!held) {
        heldKeys_.insert(key);
    }
}

// Plugs a pad in or pulls one out; at most three are plugged in at once.
void SoakPlayer::PlugOrUnplugPad() {
    if (!padsAvailable_) {
        return;
    }
    const bool plugIn = pads_.empty() || (pads_.size() < kMostPads && random_() % 2 == 0);
    if (!plugIn) {
        pads_.erase(pads_.begin() + static_cast<std::ptrdiff_t>(random_() % pads_.size()));
        return;
    }
    auto pad = std::make_unique<testkit::VirtualPad>();
    if (pad->plugged()) {
        pads_.push_back(std::move(pad));
        ++report_.padsPlugged;
    }
}

// Moves a stick, the D-pad or a button of a plugged-in pad.
void SoakPlayer::WorkPad() {
    if (pads_.empty()) {
        return;
    }
    testkit::VirtualPad& pad = *pads_[random_() % pads_.size()];
    if (random_() % 3 == 0) {
        std::uniform_int_distribution<int> travel(SDL_JOYSTICK_AXIS_MIN, SDL_JOYSTICK_AXIS_MAX);
        pad.Axis(static_cast<SDL_GameControllerAxis>(random_() % SDL_CONTROLLER_AXIS_MAX),
                 travel(random_));
    } else {
        pad.Set(static_cast<SDL_GameControllerButton>(random_() % SDL_CONTROLLER_BUTTON_MAX),
                random_() % 2 == 1);
    }
}

// Works the dialog that is up as a player would, one action at a time,
// and leaves it once it has seen enough.
void SoakPlayer::ActOnModal(QWidget& modal) {
    ++report_.actions;
    const bool leave = random_() % 4 == 0;
    if (qobject_cast<EndScreen*>(&modal) != nullptr) {
        if (random_() % 8 == 0) {
            QTest::keyClick(&modal, Qt::Key_Escape);
        } else {
            QTest::mouseClick(&modal, Qt::LeftButton, {}, QPoint(8, 8));
        }
    } else if (modal.objectName() == u"Settings") {
        const GameOptions& options = window_.game().options();
        if (options.speedStep != kFastestStep) {
            ClickControl(modal, u"speedSegment%1"_s.arg(kFastestStep));
        } else if (!options.twoPlayers) {
            ClickControl(modal, u"playersPicture"_s);
        } else if (settled_ && !leave) {
            const auto choices = modal.findChildren<QWidget*>();
            ClickControl(modal, choices[qsizetype(random_() % choices.size())]->objectName());
        } else {
            settled_ = true;
            ClickControl(modal, random_() % 2 == 0 ? u"yesButton"_s : u"noButton"_s);
        }
    } else if (modal.objectName() == u"names") {
        if (leave) {
            if (random_() % 3 == 0) {
                QTest::keyClick(&modal, Qt::Key_Escape);
            } else {
                ClickControl(modal, u"continueButton"_s);
            }
        } else if (auto* box =
                       modal.findChild<QLineEdit*>(u"player%1NameBox"_s.arg(1 + random_() % 2))) {
            box->setText(RandomName(random_));
            QTest::keyClicks(box, u"Zq 9"_s.left(int(random_() % 5)));
        }
    } else if (leave) {
        modal.close();
    } else {
        QTest::keyClick(&modal, Qt::Key_PageDown);
    }
}

// Lets go of every key, gets out of any dialog, and ends the run.
void SoakPlayer::Finish() {
    for (const int key : heldKeys_) {
        SendKey(window_, QEvent::KeyRelease, key);
    }
    heldKeys_.clear();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        modal->hide();
        return;
    }
    steps_.stop();
    report_.endMiB = MemoryNowMiB();
    QApplication::quit();
}

} // namespace zorvik::soak
