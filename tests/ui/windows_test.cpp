// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/kit/opened_game.h"

#include "ui/elided_label.h"
#include "ui/end_screen.h"
#include "widgets/main_window_layout.h"
#include "widgets/surface_drag.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace zorvik;
using namespace zorvik::testkit;
using namespace Qt::StringLiterals;

class WindowsTest : public QObject {
    Q_OBJECT
    std::optional<OpenedGame> main; // every test starts on a freshly opened main window
    static QLineEdit& NameBox(QWidget& dialog, int player) {
        return *dialog.findChild<QLineEdit*>(u"player%1NameBox"_s.arg(player));
    }
private slots:
    void init() { main.emplace(); }

    // Pausing is the timer alone and the button's picture must tell the truth
    // about it, while New starts over without pausing or resuming.
    void onlyPauseStopsTheGame() {
        main->access.player(1).score = 500;
        bool running = true;
        for (const QString control : {"newGameWord", "pauseButton", "newGameWord", "pauseButton"}) {
            running = control == "pauseButton" ? !running : running;
            Click(main->table, control);
            QVERIFY(main->table.TimerEnabled() == running && main->Paused() == !running);
        }
        QCOMPARE(main->game.player(1).score, 0.0f);
    }

    // P and Ctrl+P work the pause button (the Pause key and F1 are played end
    // to end). A held P repeats and must not toggle the pause over and over;
    // Ctrl with a player's key is player 1 biting while player 2 steers, and
    // neither it nor other programs' Ctrl+Q and Ctrl+N is a shortcut.
    void shortcutsTakeNoPlayersKey() {
        // key, auto-repeated, then paused
        const std::tuple<QKeyCombination, bool, bool> cases[] = {
            {Qt::Key_P, false, true},
            {Qt::CTRL | Qt::Key_P, false, true},
            {Qt::Key_P, true, false},
            {Qt::CTRL | Qt::Key_W, false, false},
            {Qt::CTRL | Qt::Key_A, false, false},
            {Qt::CTRL | Qt::Key_S, false, false},
            {Qt::CTRL | Qt::Key_D, false, false},
            {Qt::CTRL | Qt::Key_Q, false, false},
            {Qt::CTRL | Qt::Key_N, false, false}};
        for (const auto& [combination, autoRepeat, paused] : cases) {
            main.emplace();
            QKeyEvent event(QEvent::KeyPress, combination.key(), combination.keyboardModifiers(),
                            {}, autoRepeat);
            const bool opened =
                WhileModal([&] { QApplication::sendEvent(&main->table, &event); }, [](QWidget&) {})
                    .has_value();
            QVERIFY2(main->Paused() == paused && !opened && main->table.isVisible(),
                     qPrintable(QKeySequence(combination).toString()));
        }
    }

    // The engine polls the keys once a tick: a tap between two ticks turns the
    // snake once, a held key on every tick; losing the keyboard pauses and
    // leaves no key held; player 2's keys arrive whatever the layout. Each key
    // comes from the W key's place; in the script P is a press, R a release,
    // p and r auto-repeated, D the keyboard lost, + and - a query answering
    // yes and no.
    void keysCountAsTheGamePollsThem() {
        const std::tuple<QKeyCombination, PlayerControl, QString> cases[] = {
            {Qt::Key_Left, keys::Left, "P++R-"},
            {Qt::Key_Left, keys::Left, "PR+-"},
            {Qt::Key_Up, keys::Up, "P+r+p+R-"},
            {Qt::Key_Down, keys::Down, "P+D-"},
            {Qt::CTRL | Qt::Key_W, keys::W, "P+R-"},
            {Qt::Key_Tab, keys::Tab, "P+R-"},
            {Qt::SHIFT | Qt::Key_Backtab, keys::Tab, "P+R-"},
            {Qt::Key(0x0426), keys::W, "P+R-"}}; // Cyrillic
        for (const auto& [combination, control, script] : cases) {
            main.emplace();
            for (const QChar step : script) {
                if (step == u'+' || step == u'-') {
                    QCOMPARE(main->table.ActionRequested(control), step == u'+');
                } else if (step == u'D') {
                    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
                    QVERIFY(main->Paused());
                } else {
                    QKeyEvent event(step.toUpper() == u'P' ? QEvent::KeyPress : QEvent::KeyRelease,
                                    combination.key(), combination.keyboardModifiers(), 25, 0, 0,
                                    {}, step.isLower());
                    QApplication::sendEvent(&main->table, &event);
                }
            }
        }
    }

    // A key pressed in a dialog (a name's box, the help text, the settings)
    // would turn a snake once the game resumes; its release still counts, so a
    // key held when a dialog opens is not held for ever. Arrow keys in the
    // settings must not move the check off Campaign. The game stays paused.
    void keysInTheDialogsNeverSteer() {
        const std::tuple<QString, Qt::Key, PlayerControl> cases[] = {
            {"player1Name", Qt::Key_Down, keys::Down},
            {"player2Name", Qt::Key_W, keys::W},
            {"helpButton", Qt::Key_Down, keys::Down},
            {"setupWord", Qt::Key_Left, keys::Left}};
        for (const auto& [opener, key, control] : cases) {
            main.emplace();
            QTest::keyPress(main->table.windowHandle(), Qt::Key_Control);
            main->Open(opener, [&](QWidget& dialog) {
                auto* campaign = dialog.findChild<QRadioButton*>("campaignOption");
                if (campaign) {
                    dialog.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&dialog));
                    Click(dialog, "campaignOption");
                }
                for (const Qt::Key typed : {key, Qt::Key_Up, Qt::Key_Right}) {
                    QTest::keyClick(dialog.windowHandle(), typed);
                    QVERIFY(!campaign || campaign->isChecked());
                }
                QTest::keyRelease(dialog.windowHandle(), Qt::Key_Control);
            });
            // Control counts once as pressed since the last query, then as released.
            QVERIFY(main->Paused() && main->table.ActionRequested(keys::Control));
            QVERIFY2(!main->table.ActionRequested(keys::Control) &&
                         !main->table.ActionRequested(control),
                     qPrintable(opener));
        }
    }

    // The surface is the handle to move the window by, and the point grabbed
    // must stay under the pointer. A move asked for after the release (a
    // quick tap) would run on until the next click, so only a motion with
    // the button held starts one: the window takes that motion itself,
    // however large, then asks the platform from where the pointer is. A
    // release that still reaches the window came before the platform took
    // the pointer: its move is called off and the window stays where the
    // pointer left it. Where the platform refuses, the window follows the
    // mouse. A click on a label, which passes it on to the window, is no
    // release of the drag. In a gesture, p is a press, m a motion by
    // (40, 30), r a release and c a click on a score.
    void theGrabbedPointStaysUnderThePointer() {
        const QPoint surface(540, 300), button = layout::mainwindow::kPauseButton.center();
        const QPoint score = layout::mainwindow::kPlayer1Score.center();
        const QPoint step(40, 30);
        // gesture, where, whether the platform moves, then moves asked, cancelled, steps made
        const std::tuple<QString, QPoint, bool, int, int, int> cases[] = {
            {"pr", surface, true, 0, 0, 0},   {"prm", surface, true, 0, 0, 0},
            {"pmr", button, true, 0, 0, 0},   {"pm", surface, true, 1, 0, 1},
            {"pmmr", surface, true, 1, 1, 2}, {"pmmr", surface, false, 1, 0, 2},
            {"pmc", surface, true, 1, 0, 1}};
        for (const auto& [gesture, at, platformMoves, asked, cancelled, steps] : cases) {
            main.emplace();
            int askedNow = 0, cancelledNow = 0;
            QPointF askedAt;
            delete main->table.findChild<SurfaceDrag*>();
            const auto ask = [&](QWindow&, QPointF pointer) {
                ++askedNow;
                askedAt = pointer;
                return platformMoves;
            };
            new SurfaceDrag(main->table, {ask, [&](QWindow&) { ++cancelledNow; }});
            QWindow* window = main->table.windowHandle();
            const QPoint start = main->table.pos();
            QPoint pointer = start + at; // on the screen, wherever the window now is
            for (const QChar action : gesture) {
                pointer += action == u'm' ? step : QPoint();
                const QPoint local = pointer - main->table.pos();
                if (action == u'c') {
                    QTest::mouseClick(window, Qt::LeftButton, {}, score);
                } else if (action == u'p') {
                    QTest::mousePress(window, Qt::LeftButton, {}, local);
                } else if (action == u'm') {
                    QTest::mouseMove(window, local);
                } else {
                    QTest::mouseRelease(window, Qt::LeftButton, {}, local);
                }
            }
            QVERIFY2(askedNow == asked && cancelledNow == cancelled &&
                         (asked == 0 || askedAt == start + at + step) &&
                         main->table.pos() - start == steps * step,
                     qPrintable(gesture + (platformMoves ? " moved" : " refused")));
        }
    }

    // Every kind of click must leave the lit segments and the timer telling
    // the same speed.
    void speedIndicatorShowsTheSpeedInForce() {
        SettingsWindow& settings = main->table.settings();
        const auto segment = [](int k) { return QStringLiteral("speedSegment%1").arg(k); };
        const Picture unlit = Shown(settings, segment(6));
        const std::pair<int, QString> clicks[] = {{2, "###---- 150"}, {5, "######- 50"},
                                                  {1, "##----- 200"}, {1, "##----- 200"},
                                                  {6, "####### 25"},  {0, "#------ 250"}};
        for (const auto& [clicked, expected] : clicks) {
            Click(settings, segment(clicked));
            QString lit;
            for (int k = 0; k < 7; ++k) {
                lit += Shown(settings, segment(k)) == unlit ? '-' : '#';
            }
            QCOMPARE(lit + ' ' + QString::number(main->table.TimerInterval()), expected);
        }
    }

    // Yes always starts over; No only closes, and the settings window keeps
    // the choice for the next opening, where Yes applies it. The game stays
    // paused after.
    void choicesWaitForYesAndOutliveNo() {
        main->access.player(1).score = 700;
        const auto applied = [this] {
            const GameOptions& options = main->game.options();
            return std::tuple(options.snake1, options.snake2, options.obstacle);
        };
        const auto before = applied();
        main->Open("setupWord", [&](QWidget& settings) {
            for (const char* choice :
                 {"player1Swatch4", "player2Swatch4", "obstacleTile3", "noButton"}) {
                Click(settings, choice);
            }
        });
        QVERIFY(applied() == before && main->game.player(1).score == 700 && main->Paused());
        main->Open("setupWord", [](QWidget& settings) { Click(settings, "yesButton"); });
        const auto after = applied();
        QVERIFY(std::get<0>(after) != std::get<0>(before) &&
                std::get<1>(after) != std::get<1>(before) &&
                std::get<2>(after) != std::get<2>(before));
        QVERIFY(main->game.player(1).score == 0 && main->Paused());
    }

    // Only Continue copies the names: a dialog's usual keys would close it
    // with or without them, and the window manager's close (after typing)
    // leaves them as they were. Continued, they show on the main window, in
    // the help window and in the end messages as typed, in labels that never
    // grow to fit; the next opening offers the default names again. The one
    // help window shows its text from the top at every opening, however far
    // it was read before, under the names of that moment.
    void onlyContinuedNamesShowEverywhereAsTyped() {
        const std::pair<QString, Qt::Key> cases[] = {{u"Ann"_s, Qt::Key_Return},
                                                     {QString(), Qt::Key_Enter},
                                                     {u"<b>x</b>"_s, Qt::Key_Escape},
                                                     {QString(10000, u'W'), Qt::Key_X}};
        for (const auto& [name, key] : cases) {
            main.emplace();
            QStringList shown;
            const auto readHelpToTheEnd = [&](QWidget& help) {
                auto& text = *help.findChild<QPlainTextEdit*>();
                shown << Text(help, "player1Name") << Text(help, "player2Name")
                      << QString::number(text.verticalScrollBar()->value());
                text.moveCursor(QTextCursor::End);
                QVERIFY(text.verticalScrollBar()->value() > 0);
            };
            main->Open("helpButton", readHelpToTheEnd);
            const auto typeAndPress = [&](QWidget& dialog) {
                NameBox(dialog, 1).setText("Ann");
                QTest::keyClick(&NameBox(dialog, 1), key);
            };
            const auto& label = *main->table.findChild<ElidedLabel*>("player1Name");
            QCOMPARE(main->Open("player1Name", typeAndPress), std::optional(false));
            QVERIFY(label.shownText() == "Player1" && main->Paused());
            const auto enter = [&](QWidget& dialog) {
                NameBox(dialog, 1).setText(name);
                NameBox(dialog, 2).setText("Bob");
                Click(dialog, "continueButton");
            };
            QCOMPARE(main->Open("player1Name", enter), std::optional(true));
            shown << Text(main->table, "player1Name") << Text(main->table, "player2Name");
            main->Open("helpButton", readHelpToTheEnd);
            Click(main->table.settings(), "playersPicture"); // two players
            Snake& snake2 = main->access.player(2).snake;
            snake2.cells.at(snake2.headIndex) = snake2.cells.at(0);
            QString ended;
            WhileModal([&] { main->access.CheckCollisions(); },
                       [&](QWidget& w) { ended = Text(w, "message"); });
            QVERIFY(ended.startsWith(QChar(0x2068) + name.left(10)) && ended.endsWith(" Won"));
            main->Open("player2Name",
                       [&](QWidget& w) { shown << NameBox(w, 1).text() << NameBox(w, 2).text(); });
            QCOMPARE(shown, QStringList({"Player1", "Player2", "0", name, "Bob", name, "Bob", "0",
                                         "Player1", "Player2"}));
            QVERIFY(name.size() > 100 ? label.shownText().endsWith(QChar(0x2026))
                                      : label.shownText() == name);
            QCOMPARE(label.geometry(), layout::mainwindow::kPlayer1Name);
        }
    }

    // Whatever the names, the words of the ending show whole, each name
    // isolated from them (so that a name's own direction never turns the
    // words around) and drawn as plain text, and the line fits its label.
    void endMessagesShortenTheNamesNeverTheWords() {
        const QString longName(10000, u'W');
        const QString won = " Won", collided = " Collided with ", bitten = " was bitten to death";
        const std::tuple<QString, Outcome, QString, QString> cases[] = {
            {"Ann", Outcome::Collided, collided, "Bob"},
            {longName, Outcome::Won, won, ""},
            {longName, Outcome::Collided, collided, longName},
            {u"Eve\u202E"_s, Outcome::Won, won, ""},          // a direction override
            {u"<b>x</b>"_s, Outcome::Won, won, ""},           // markup, shown as typed
            {u"%2 %1"_s, Outcome::BittenToDeath, bitten, ""}, // placeholders, shown as typed
            {u"\u202EEve"_s, Outcome::Collided, collided, u"\u202EBob"_s}};
        for (const auto& [name, outcome, words, other] : cases) {
            EndScreenContent content;
            content.message = EndMessage{outcome, 2, other.isEmpty() ? 0 : 1};
            const EndScreen screen(content, {other, name}, &main->table);
            QLabel& label = *screen.message();
            const QString line = label.text();
            // What is drawn, not only the text: the same pixels as plain text.
            const QImage drawn = label.grab().toImage();
            label.setTextFormat(Qt::PlainText);
            QVERIFY2(label.grab().toImage() == drawn, qPrintable(line));
            QVERIFY(label.fontMetrics().horizontalAdvance(line) <= label.contentsRect().width());
            const QString after = other.isEmpty() ? QString() : QChar(0x2068) + other.left(3);
            QVERIFY2(line.startsWith(QChar(0x2068) + name.left(3)) &&
                         line.contains(QChar(0x2069) + words + after) &&
                         line.endsWith(after.isEmpty() ? words : QChar(0x2069)),
                     qPrintable(line));
        }
    }

    // A bar is power / 15 pixels wide: 158 when full (2370), 151 once a bite
    // took 100. Pinned in pixels, as comparing two bars misses a wrong scale.
    void powerBarsShowThePowerInPixels() {
        main->Choose({"playersPicture"});
        main->access.cellPictures().at(main->game.player(1).snake.HeadCell()) =
            main->game.boardPictures().blackHead;
        QTest::keyPress(&main->table, Qt::Key_Control);
        Tick(main->table);
        QCOMPARE(main->table.findChild<QWidget*>("player1Power")->width(), 158);
        QCOMPARE(main->table.findChild<QWidget*>("player2Power")->width(), 151);
    }

    // Every way out of the end screen does what its click does: the next level runs, never
    // stopped behind a pause button that shows "running"; a click on the shown level number
    // belongs to the label, and the window manager's close follows it.
    void everyWayOutOfTheEndScreenRestartsTheGame() {
        const std::pair<std::function<void(QWidget&)>, bool> ways[] = {
            {[](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(20, 20)); }, true},
            {[](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(258, 115)); },
             false},
            {[](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }, true}};
        for (const auto& [way, dismisses] : ways) {
            main.emplace();
            Click(main->table.settings(), "campaignOption");
            main->access.player(1).eaten = 25;
            QCOMPARE(WhileModal([&] { main->access.game.Tick(); }, way), std::optional(dismisses));
            QVERIFY(main->table.TimerEnabled() && main->game.level() == 2 &&
                    main->game.obstacles()[0] == kObstacle);
        }
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
