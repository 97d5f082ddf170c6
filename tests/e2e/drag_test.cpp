// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Drags the real game's borderless windows by their surface on a private X
// server with a window manager, with the mouse as xdotool works it, and
// reads back where each window went. The environment names the game
// (ZORVIK_GAME).
#include "session.h"
#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/settings_layout.h"

#include <tuple>

using namespace Qt::StringLiterals;
using namespace zorvik::testkit;
namespace layout = zorvik::layout;

namespace {

// A drag done with xdotool from a point of a window's surface, and how far
// it must take the window.
struct Drag {
    const char* name;
    QString gesture;
    QPoint moved;
    bool mayStay = false; // the window may also stay where it was
    bool busy = false;    // the game is stopped meanwhile
};

const QString kOneInstant = u"mousedown 1 mousemove_relative -- -30 -30 mouseup 1"_s;
const Drag kSteps{"steps",
                  u"mousedown 1"_s + u" sleep 0.03 mousemove_relative -- 6 4"_s.repeated(10) +
                      u" sleep 0.1 mouseup 1"_s,
                  {60, 40}};
const Drag kOneInstantWhileBusy{"one instant, the game busy", kOneInstant, {-30, -30}, true, true};
const Drag kDrags[] = {
    kSteps,
    {"a large first step",
     u"mousedown 1 sleep 0.05 mousemove_relative -- -150 -90 sleep 0.3 mousemove_relative -- -5 -5"
     " sleep 0.05 mousemove_relative -- -5 -5 sleep 0.1 mouseup 1"_s,
     {-160, -100}},
    {"one instant", kOneInstant, {-30, -30}, true},
    kOneInstantWhileBusy,
    {"a tap", u"click 1"_s, {}}};

} // namespace

class DragTest : public Session {
    Q_OBJECT
private slots:
    void initTestCase() {
        StartDesktop(u"e2e-drag"_s);
        QVERIFY(OpenGame(u"e2e-drag"_s, 1));
    }

    // The point grabbed must stay under the pointer, to within a pixel,
    // however large the first step; a tap moves nothing. A drag done in one
    // instant may find the button up before the window manager begins its
    // move, above all while the game is too busy to look (here it is
    // stopped): the window must then end where the pointer left it or stay,
    // never follow the pointer on after the release out of reach. All three
    // borderless windows are moved alike.
    void aDragTakesTheWindowWhereThePointerWent() {
        // Each window: its name, the control that opens it, its title, a point
        // of its surface and the control that closes it; the main window is open.
        const std::tuple<const char*, QPoint, QString, QPoint, QPoint> windows[] = {
            {"main window", {}, {}, {540, 300}, {}},
            {"settings window",
             layout::mainwindow::kSetupWord.center(),
             u"SETTINGS"_s,
             {20, 250},
             layout::settings::kNoButton.center()},
            {"names dialog",
             layout::mainwindow::kPlayer1Name.center(),
             u"Form1"_s,
             {15, 100},
             layout::names::kContinueButton.center()}};
        for (const auto& [name, opener, title, surface, closer] : windows) {
            const QString window =
                title.isEmpty() ? main_ : (Click(main_, opener) ? Window(title) : QString());
            QVERIFY2(!window.isEmpty(), name);
            for (const Drag& drag : kDrags) {
                const QString wrong = TryDrag(window, surface, drag);
                QVERIFY2(wrong.isEmpty(),
                         qPrintable(u"%1, %2: %3"_s.arg(QLatin1String(name),
                                                        QLatin1String(drag.name), wrong)));
            }
            QVERIFY(title.isEmpty() || Click(window, closer));
        }
    }

    // The window manager counts in the screen's pixels, Qt in its own: at
    // twice the scale the pointer's 60 x 40 pixels must still move the
    // window by 60 x 40 of the screen's.
    void aDragTakesTheWindowWhereThePointerWentAtTwiceTheScale() {
        game_->terminate();
        QVERIFY(game_->waitForFinished(15000));
        QVERIFY(OpenGame(u"e2e-drag"_s, 2));
        for (const Drag& drag : {kSteps, kOneInstantWhileBusy}) {
            const QString wrong = TryDrag(main_, QPoint(540, 300) * 2, drag);
            QVERIFY2(wrong.isEmpty(), qPrintable(u"%1: %2"_s.arg(QLatin1String(drag.name), wrong)));
        }
    }

private:
    // Drags `window` from `surface`: what went wrong, if anything.
    QString TryDrag(const QString& window, QPoint surface, const Drag& drag) {
        const std::optional<QPoint> start = Position(window);
        if (!start || !Run(u"xdotool mousemove --window %1 %2 %3 sleep 0.2"_s.arg(window)
                               .arg(surface.x())
                               .arg(surface.y()))) {
            return u"the pointer did not reach the window"_s;
        }
        const auto pid = static_cast<pid_t>(game_->processId());
        if (drag.busy) {
            ::kill(pid, SIGSTOP);
        }
        const bool done = Run(u"xdotool "_s + drag.gesture).has_value();
        if (drag.busy) {
            ::kill(pid, SIGCONT);
        }
        const auto ended = [&] { return Position(window).value_or(QPoint()) - *start; };
        const auto near = [&](QPoint at, QPoint want) {
            return qAbs(at.x() - want.x()) <= 1 && qAbs(at.y() - want.y()) <= 1;
        };
        // A window that may stay gets the time a busy game needs to move it.
        if (drag.mayStay) {
            QTest::qWait(2000);
        }
        const bool there = Wait(
            [&] { return near(ended(), drag.moved) || (drag.mayStay && near(ended(), QPoint())); });
        const QPoint at = ended();
        if (!done || !there) {
            return u"moved by %1, %2"_s.arg(at.x()).arg(at.y());
        }
        // The pointer goes on, the button up: the window stays.
        const bool moved = Run(u"xdotool mousemove_relative -- -200 -150 sleep 0.5"_s).has_value();
        return moved && ended() == at ? QString() : u"the window followed the pointer"_s;
    }
};

QTEST_MAIN(DragTest)
#include "drag_test.moc"
