// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Player 2 steered by the computer: chosen in the settings window, played
// through player 2's own actions while player 2's keys steer nothing, and
// named until the players name it.
#include "tests/kit/opened_game.h"
#include "tests/kit/player_keys.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace zorvik;
using namespace zorvik::testkit;
using namespace Qt::StringLiterals;

class ComputerSeatTest : public QObject {
    Q_OBJECT
    std::optional<OpenedGame> main;

    // Clicks the settings window's controls in turn, then leaves it with No.
    void ClickInSettings(std::initializer_list<const char*> controls) {
        main->Open(u"setupWord"_s, [&](QWidget& settings) {
            for (const char* control : controls) {
                Click(settings, QLatin1String(control));
            }
            Click(settings, u"noButton"_s);
        });
    }

    void SendKey(QEvent::Type type, Qt::Key key) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(&main->table, &event);
    }

private slots:
    void init() { main.emplace(); }

    // The row starts on Person; Computer brings two players and a new game,
    // a click that changes nothing starts none, and the players picture
    // still goes back to one player without changing who steers player 2.
    void theRowChoosesWhoSteersPlayer2() {
        const auto newGames = [&] {
            return main->game.player(1).score == 0 ? 1 : 0; // a new game zeroes the score
        };
        main->access.player(1).score = 700;
        ClickInSettings({"player2Computer"});
        QVERIFY(main->game.options().twoPlayers && main->game.options().computerPlaysPlayer2);
        QCOMPARE(newGames(), 1);

        main->access.player(1).score = 700;
        ClickInSettings({"player2Computer"});
        QCOMPARE(newGames(), 0);

        ClickInSettings({"playersPicture"});
        QVERIFY(!main->game.options().twoPlayers && main->game.options().computerPlaysPlayer2);
        ClickInSettings({"player2Computer"});
        QVERIFY(main->game.options().twoPlayers);

        main->access.player(1).score = 700;
        ClickInSettings({"player2Person"});
        QVERIFY(main->game.options().twoPlayers && !main->game.options().computerPlaysPlayer2);
        QCOMPARE(newGames(), 1);
    }

    // With no key pressed, the computer's snake moves and eats; player 2's
    // keys, pressed meanwhile, neither steer it nor wait for a person to
    // take over, while player 1's keys still steer.
    void theComputerPlaysAndPlayer2KeysSteerNothing() {
        ClickInSettings({"player2Computer"});
        main->table.SetTimerEnabled(false);
        for (int tick = 0; tick < 400 && main->game.player(2).eaten == 0; ++tick) {
            SendKey(QEvent::KeyPress, Qt::Key_W);
            SendKey(QEvent::KeyRelease, Qt::Key_W);
            Tick(main->table);
        }
        QVERIFY(main->game.player(2).eaten > 0);
        SendKey(QEvent::KeyPress, Qt::Key_W);
        QVERIFY(!main->table.ActionRequested(keys::W));
        SendKey(QEvent::KeyRelease, Qt::Key_W);

        SendKey(QEvent::KeyPress, Qt::Key_Down);
        QVERIFY(main->table.ActionRequested(keys::Down));
        SendKey(QEvent::KeyRelease, Qt::Key_Down);

        SendKey(QEvent::KeyPress, Qt::Key_W);
        SendKey(QEvent::KeyRelease, Qt::Key_W);
        Tick(main->table);
        ClickInSettings({"player2Person"});
        QVERIFY(!main->table.ActionRequested(keys::W));
    }

    // Player 2 is "Computer" on the panel, in the help and at the end, until
    // the names dialog names it; a person in the seat is "Player2" again.
    void player2IsNamedComputerUntilNamed() {
        ClickInSettings({"player2Computer"});
        QCOMPARE(Text(main->table, u"player2Name"_s), u"Computer"_s);
        QCOMPARE(main->game.playerName(2), "Computer");
        ClickInSettings({"player2Person"});
        QCOMPARE(Text(main->table, u"player2Name"_s), u"Player2"_s);

        main->Open(u"player2Name"_s, [](QWidget& names) {
            names.findChild<QLineEdit*>(u"player2NameBox"_s)->setText(u"Ann"_s);
            Click(names, u"continueButton"_s);
        });
        ClickInSettings({"player2Computer"});
        QCOMPARE(Text(main->table, u"player2Name"_s), u"Ann"_s);
        QCOMPARE(main->game.playerName(2), "Ann");
    }
};

QTEST_MAIN(ComputerSeatTest)
#include "computer_seat_test.moc"
