// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "captured_stderr.h"
#include "tests/kit/opened_game.h"
#include "tests/virtual_joystick.h"

using namespace zorvik;
using namespace zorvik::testkit;

namespace {

constexpr int kStickFull = SDL_JOYSTICK_AXIS_MAX;
constexpr int kInsideDeadZone = SDL_JOYSTICK_AXIS_MAX / 5;

// The main window, shown, with the keyboard, its pads started, and paused so
// that only the test's ticks move the snakes.
struct PadGame : OpenedGame {
    PadGame() {
        Activate(table);
        QTRY_VERIFY(table.gamepads().started());
        Click(table, "pauseButton");
    }
    void Tick() { testkit::Tick(table); }
    int Heading(int player) {
        const Snake& snake = game.player(player).snake;
        return snake.directions.at(static_cast<std::size_t>(snake.headIndex));
    }
    // A tick, after which each snake heads left or right, whichever way it goes now.
    void TickAcross() {
        Tick();
        for (const int player : {1, 2}) {
            Snake& snake = access.player(player).snake;
            int& heading = snake.directions.at(static_cast<std::size_t>(snake.headIndex));
            heading = heading == kUp || heading == kDown ? kRight : heading;
        }
    }
    // The snakes' headings after a tap on `pad` between two ticks, each snake
    // heading left or right before.
    std::pair<int, int> HeadingsAfterTap(VirtualPad& pad, SDL_GameControllerButton button) {
        TickAcross();
        pad.Tap(button);
        Tick();
        return {Heading(1), Heading(2)};
    }
    // Whether the keys ask for an action, once the pads are read.
    bool Requested(PlayerControl control) {
        Idle();
        return table.keyState().Requested(control);
    }
    // Shows `window` and gives it the keyboard.
    static void Activate(QWidget& window) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    // Lets the pads be read while no tick runs.
    static void Idle() { QTest::qWait(150); }
};

} // namespace

class GamepadsTest : public QObject {
    Q_OBJECT
private slots:
    // Held over all cases, as the one window of a real run holds it: SDL
    // would double its controller events were the subsystem started again
    // while the test's own joysticks keep it alive.
    void initTestCase() { QVERIFY(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0); }
    void cleanupTestCase() { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

    // A tap between two ticks is never lost, and the stick steers only
    // beyond its dead zone, by its stronger axis. Nothing the pad did is
    // left in SDL's queue, which would fill and leave the pads dead.
    void dpadAndStickSteerPlayerOne() {
        PadGame play;
        VirtualPad pad;
        QVERIFY(pad.plugged());
        QCOMPARE(play.HeadingsAfterTap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP).first, kUp);
        pad.Stick(kStickFull / 2, kInsideDeadZone);
        play.Tick();
        QCOMPARE(play.Heading(1), kRight);
        pad.Stick(kInsideDeadZone, kInsideDeadZone);
        play.Tick();
        pad.Stick(kInsideDeadZone, kStickFull / 2);
        play.Tick();
        QCOMPARE(play.Heading(1), kDown);
        // Back inside the dead zone the stick lets go of the key.
        pad.Stick(0, kInsideDeadZone);
        play.Tick();
        QVERIFY(!play.table.keyState().Requested(keys::Down));
        pad.Stick(-kStickFull, kStickFull / 2);
        play.Tick();
        QCOMPARE(play.Heading(1), kLeft);
        pad.Stick(0, 0);
        play.Tick();
        QCOMPARE(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
    }

    // South and the right shoulder bite as Ctrl does; the second pad is
    // player 2's, even when it comes in the middle of a game.
    void biteButtonsAndTheSecondPad() {
        PadGame play;
        VirtualPad first;
        play.Tick();
        first.Tap(SDL_CONTROLLER_BUTTON_A);
        QVERIFY(play.Requested(keys::Control));
        first.Set(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
        // Held, it bites at every look.
        QVERIFY(play.Requested(keys::Control));
        QVERIFY(play.Requested(keys::Control));
        first.Set(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
        QVERIFY(!play.Requested(keys::Control));

        VirtualPad second;
        QCOMPARE(play.HeadingsAfterTap(second, SDL_CONTROLLER_BUTTON_DPAD_DOWN),
                 std::pair(kRight, kDown));
        second.Tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
        QVERIFY(play.Requested(keys::Tab));
        QVERIFY(!play.Requested(keys::Control));
    }

    // Start does what the pause button does; an unplugged pad pauses a
    // running game and frees its player for the next pad, while a third pad
    // waits for a free player.
    void startPausesAndUnpluggingFreesThePlayer() {
        PadGame play;
        auto first = std::make_unique<VirtualPad>();
        VirtualPad second;
        VirtualPad third;
        play.Tick();
        for (const bool paused : {false, true}) {
            first->Tap(SDL_CONTROLLER_BUTTON_START);
            play.Idle();
            QCOMPARE(play.Paused(), paused);
        }

        // The third pad steers nobody while both players have one.
        const auto [one, two] = play.HeadingsAfterTap(third, SDL_CONTROLLER_BUTTON_DPAD_UP);
        QVERIFY(one == kRight && two != kUp);

        Click(play.table, "pauseButton");
        QVERIFY(!play.Paused());
        first.reset();
        play.Tick();
        QVERIFY(play.Paused());
        // Player 1 is free again and the waiting pad takes over.
        QCOMPARE(play.HeadingsAfterTap(third, SDL_CONTROLLER_BUTTON_DPAD_UP).first, kUp);
    }

    // A pad pressed while a dialog is up, or while another program has the
    // keyboard, never steers, and Start never resumes a game left behind.
    void padsActOnlyInTheActiveMainWindow() {
        PadGame play;
        VirtualPad pad;
        play.TickAcross();
        play.Open("helpButton", [&](QWidget&) {
            pad.Tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
            pad.Set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
            pad.Tap(SDL_CONTROLLER_BUTTON_START);
            play.Idle();
        });
        QVERIFY(play.Paused());
        play.Activate(play.table);
        play.Tick();
        QCOMPARE(play.Heading(1), kRight);
        pad.Set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);

        QWidget otherProgram;
        play.Activate(otherProgram);
        pad.Tap(SDL_CONTROLLER_BUTTON_START);
        play.Idle();
        QCOMPARE(play.HeadingsAfterTap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP).first, kRight);
        QVERIFY(play.Paused());
    }

    // A pad without a known layout steers nobody and is named on stderr
    // with the way to map it.
    void anUnmappablePadIsIgnored() {
        CapturedStderr stderrText;
        PadGame play;
        VirtualPad odd(SDL_JOYSTICK_TYPE_UNKNOWN, "Odd stick");
        QCOMPARE(play.HeadingsAfterTap(odd, SDL_CONTROLLER_BUTTON_DPAD_UP).first, kRight);
        const QString text = stderrText.Lines().join(u'\n');
        QVERIFY2(text.contains(QLatin1String("\"Odd stick\"")) &&
                     text.contains(QLatin1String("SDL_GAMECONTROLLERCONFIG")) &&
                     text.count(QLatin1String("zorvik:")) == 1,
                 qPrintable(text));
    }
};

QTEST_MAIN(GamepadsTest)
#include "gamepads_test.moc"
