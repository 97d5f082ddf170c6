// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Player 2 steered by the computer: chosen in the settings window, played
// through player 2's own actions while player 2's keys steer nothing, and
// named until the players name it.
#include "tests/kit/opened_game.h"

#include <QLineEdit>

using namespace zorvik;
using namespace zorvik::testkit;
using namespace Qt::StringLiterals;

class ComputerSeatTest : public QObject {
    Q_OBJECT
    std::optional<OpenedGame> main;

    // Clicks a control of the settings window, then leaves it with No.
    void ClickInSettings(const char* control) {
        main->Open(u"setupWord"_s, [&](QWidget& settings) {
            Click(settings, QLatin1String(control));
            Click(settings, u"noButton"_s);
        });
    }

private slots:
    void init() { main.emplace(); }

    // The row starts on Person; Computer brings two players and a new game,
    // a click that changes nothing starts none, and the players picture
    // still goes back to one player without changing who steers player 2.
    // The seat names player 2, "Computer" or "Player2", until the players
    // name it in the names dialog.
    void theRowChoosesWhoSteersPlayer2() {
        // clicked, then two players, the computer playing, a new game
        const std::tuple<const char*, bool, bool, bool> clicks[] = {
            {"player2Computer", true, true, true},
            {"player2Computer", true, true, false},
            {"playersPicture", false, true, true},
            {"player2Computer", true, true, true},
            {"player2Person", true, false, true}};
        for (const auto& [clicked, twoPlayers, computer, newGame] : clicks) {
            main->access.player(1).score = 700; // a new game zeroes it
            ClickInSettings(clicked);
            const GameOptions& options = main->game.options();
            const QString name = computer ? u"Computer"_s : u"Player2"_s;
            QVERIFY2(options.twoPlayers == twoPlayers && options.computerPlaysPlayer2 == computer &&
                         (main->game.player(1).score == 0) == newGame &&
                         Text(main->table, u"player2Name"_s) == name &&
                         main->game.playerName(2) == name.toStdString(),
                     clicked);
        }
        main->Open(u"player2Name"_s, [](QWidget& names) {
            names.findChild<QLineEdit*>(u"player2NameBox"_s)->setText(u"Ann"_s);
            Click(names, u"continueButton"_s);
        });
        ClickInSettings("player2Computer");
        QCOMPARE(Text(main->table, u"player2Name"_s), u"Ann"_s);
        QCOMPARE(main->game.playerName(2), "Ann");
    }

    // With no key pressed, the computer's snake moves and eats; player 2's
    // keys, pressed meanwhile, neither steer it nor wait for a person to
    // take over, while player 1's keys still steer.
    void theComputerPlaysAndPlayer2KeysSteerNothing() {
        ClickInSettings("player2Computer");
        main->table.SetTimerEnabled(false);
        for (int tick = 0; tick < 400 && main->game.player(2).eaten == 0; ++tick) {
            QTest::keyClick(&main->table, Qt::Key_W);
            Tick(main->table);
        }
        QVERIFY(main->game.player(2).eaten > 0);
        QTest::keyClick(&main->table, Qt::Key_W);
        QTest::keyClick(&main->table, Qt::Key_Down);
        QVERIFY(!main->table.ActionRequested(keys::W) && main->table.ActionRequested(keys::Down));
        QTest::keyClick(&main->table, Qt::Key_W);
        Tick(main->table);
        ClickInSettings("player2Person");
        QVERIFY(!main->table.ActionRequested(keys::W));
    }
};

QTEST_MAIN(ComputerSeatTest)
#include "computer_seat_test.moc"
