// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include "engine/keys.h"
#include "settings/settings_window.h"
#include "ui/elided_label.h"
#include "ui/end_screen.h"
#include "widgets/main_window_layout.h"
#include "widgets/outline.h"
#include "widgets/surface_drag.h"
#include "widgets/window_outlines.h"

#include <QCryptographicHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtEndian>
#include <numeric>
#include <optional>

using namespace zorvik;
using namespace zorvik::testkit;
using namespace Qt::StringLiterals;

class WindowsTest : public QObject {
    Q_OBJECT
    std::optional<OpenedGame> main; // every test starts on a freshly opened main window
    static QByteArray Patched(QByteArray bytes, int offset, qint32 value) {
        qToLittleEndian(value, bytes.data() + offset);
        return bytes;
    }
private slots:
    void init() { main.emplace(); }

    void outlinesFollowTheRegionLayout_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<qint32>>("first"); // left, top, right, bottom
        QTest::addColumn<QList<qint32>>("last");
        QTest::addColumn<int>("area");
        QTest::newRow("main window") << MainWindowRegion() << 25 << QList{20, 0, 779, 1}
                                     << QList{20, 549, 779, 550} << 438982;
        QTest::newRow("settings") << SettingsRegion() << 57 << QList{42, 0, 386, 1}
                                  << QList{42, 507, 386, 508} << 215292;
        // The top row is not the names dialog's; its last is, under Continue.
        QTest::newRow("names") << NamesRegion() << 46 << QList{34, 1, 324, 2}
                               << QList{133, 151, 229, 152} << 52512;
    }
    // The bytes follow the platform's region-data layout: header, rounded
    // bands top to bottom, extras last. The pixel count pins every band, where
    // an off-by-one shows as a notch in a corner.
    void outlinesFollowTheRegionLayout() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QList<qint32> fields(bytes.size() / 4);
        qFromLittleEndian<qint32>(bytes.constData(), fields.size(), fields.data());
        QCOMPARE(bytes.size(), 32 + 16 * count);
        QCOMPARE(fields.first(4), QList<qint32>({32, 1, count, 16 * count}));
        QTEST(fields.mid(8, 4), "first");
        QTEST(fields.last(4), "last");
        const QRegion outline = RegionFromBytes(bytes);
        const auto addArea = [](int sum, QRect band) { return sum + band.width() * band.height(); };
        QTEST(std::accumulate(outline.begin(), outline.end(), 0, addArea), "area");
    }

    // A half-read rectangle list would cut arbitrary holes in a window.
    void malformedBytesGiveNoOutline() {
        const QByteArray valid = MainWindowRegion();
        for (const QByteArray& bytes : {
                 valid.left(31),                             // a short header
                 Patched(valid, 4, 2),                       // not a rectangle list
                 valid.left(432 - 16),                       // fewer rectangles than counted
                 Patched(Patched(valid, 8, 1 << 28), 12, 0), // a count whose size wraps to 0
                 Patched(valid, 32 + 8, 10),                 // a rectangle inside out
             }) {
            QVERIFY(RegionFromBytes(bytes).isEmpty());
        }
    }

    // The program opens on a running game set up as at every start, in its
    // rounded outline; pausing is the timer alone and the button's picture
    // must tell the truth about it, while New starts over without pausing or
    // resuming.
    void opensRunningAndOnlyPauseStopsTheGame() {
        QCOMPARE(main->table.TimerInterval(), 150);
        QVERIFY(!main->game.options().twoPlayers && !main->game.options().campaign);
        QVERIFY(main->Control("player2Score")->isHidden());
        QCOMPARE(main->Control("player1Power")->width(), 158);
        QCOMPARE(main->table.mask().intersected(QRegion(0, 0, 799, 1) + QRect(0, 0, 1, 550)),
                 QRegion(20, 0, 759, 1) + QRect(0, 21, 1, 508));
        main->access.player(1).score = 500;
        bool running = true;
        for (const QString control : {"newGameWord", "pauseButton", "newGameWord", "pauseButton"}) {
            running = control == "pauseButton" ? !running : running;
            Click(main->table, control);
            QCOMPARE(main->table.TimerEnabled(), running);
            QCOMPARE(main->Paused(), !running);
        }
        QCOMPARE(main->game.player(1).score, 0.0f);
    }

    // The players read the game off the panel: after each tick it shows the
    // engine's scores and power (2370 of power fill the 158-pixel bar).
    void panelFollowsScoresAndPower() {
        Click(main->table.settings(), "playersPicture"); // two players
        Click(main->table.settings(), "speedSegment6");  // 25 ms, 1000 points a food
        main->access.player(1).power = 770;
        main->access.player(2).power = 1270;
        main->access.PutFood(main->game.player(1).snake.HeadCell() + 1);
        QTRY_COMPARE(Text(main->table, "player1Score"), "1000");
        QVERIFY(main->Control("player1Power")->width() == 158 &&
                main->Control("player2Power")->width() == 85);
    }

    void keysCountAsTheGamePollsThem_data() {
        QTest::addColumn<int>("key"); // with its modifiers, each sent from the W key's place
        QTest::addColumn<int>("virtualKey");
        // P press, R release, p and r auto-repeated, T a press and release in a
        // text box, D the application losing the keyboard; + and - a query of
        // the key answering yes and no.
        QTest::addColumn<QString>("script");
        QTest::newRow("held") << int(Qt::Key_Left) << vk::Left << "P++R-";
        QTest::newRow("tap between queries") << int(Qt::Key_Left) << vk::Left << "PR+-";
        QTest::newRow("auto-repeat") << int(Qt::Key_Up) << vk::Up << "P+r+p+R-";
        QTest::newRow("deactivation") << int(Qt::Key_Down) << vk::Down << "P+D-";
        QTest::newRow("Ctrl+W") << (Qt::CTRL | Qt::Key_W).toCombined() << vk::W << "P+R-";
        QTest::newRow("Tab") << int(Qt::Key_Tab) << vk::Tab << "P+R-";
        QTest::newRow("Cyrillic in W position") << 0x0426 << vk::W << "P+R-";
        QTest::newRow("typed into a text box") << int(Qt::Key_W) << vk::W << "T-";
    }
    // The engine polls the keys once a tick: a tap between two ticks turns the
    // snake once, a held key on every tick, and keys typed into another program
    // never reach the game, so it pauses and no key stays held; player 2's keys
    // and Tab arrive whatever player 1's Ctrl, the layout and focus navigation.
    void keysCountAsTheGamePollsThem() {
        QFETCH(int, key);
        QFETCH(int, virtualKey);
        QFETCH(QString, script);
        const auto combination = QKeyCombination::fromCombined(key);
        QLineEdit textBox;
        for (const QChar step : script) {
            if (step == u'+' || step == u'-') {
                QCOMPARE(main->table.KeyPressed(virtualKey), step == u'+');
            } else if (step == u'D') {
                emit qApp->applicationStateChanged(Qt::ApplicationInactive);
                QVERIFY(main->Paused());
            } else if (step == u'T') {
                QTest::keyClick(&textBox, combination.key());
            } else {
                QKeyEvent event(step.toUpper() == u'P' ? QEvent::KeyPress : QEvent::KeyRelease,
                                combination.key(), combination.keyboardModifiers(), 25, 0, 0, {},
                                step.isLower());
                QApplication::sendEvent(&main->table, &event);
            }
        }
    }

    void keysInTheDialogsNeverSteer_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("virtualKey");
        QTest::newRow("Down in a name's text box")
            << "player1Name" << int(Qt::Key_Down) << vk::Down;
        QTest::newRow("W typed into a name") << "player2Name" << int(Qt::Key_W) << vk::W;
        QTest::newRow("scrolling the help text") << "helpButton" << int(Qt::Key_Down) << vk::Down;
        QTest::newRow("Left in the settings") << "setupWord" << int(Qt::Key_Left) << vk::Left;
    }
    // Only keys pressed in the main window steer: one pressed in a dialog,
    // which reaches that dialog's window before its text box, would turn a
    // snake once the game resumes. Its release still counts, so a key held
    // down when a dialog opens is not held for ever.
    void keysInTheDialogsNeverSteer() {
        QFETCH(QString, opener);
        QFETCH(int, key);
        QFETCH(int, virtualKey);
        QTest::keyPress(main->table.windowHandle(), Qt::Key_Control);
        main->Open(opener, [&](QWidget& dialog) {
            QTest::keyClick(dialog.windowHandle(), Qt::Key(key));
            QTest::keyRelease(dialog.windowHandle(), Qt::Key_Control);
        });
        QVERIFY(main->table.KeyPressed(vk::Control)); // pressed since the last query
        QVERIFY(!main->table.KeyPressed(vk::Control) && !main->table.KeyPressed(virtualKey));
    }

    // The settings are worked with the mouse: an arrow key after a click on
    // Campaign must not move the check back to Classic.
    void arrowKeysLeaveTheGameType() {
        main->Open("setupWord", [&](QWidget& settings) {
            settings.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&settings));
            Click(settings, "campaignOption");
            for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right}) {
                QTest::keyClick(settings.windowHandle(), key);
                QVERIFY(settings.findChild<QRadioButton*>("campaignOption")->isChecked());
            }
        });
    }

    void onlyAMoveWithTheButtonHeldDragsTheWindow_data() {
        QTest::addColumn<QString>("gesture"); // p press, m move, r release
        QTest::addColumn<QPoint>("at");       // where the press lands
        QTest::addColumn<int>("moves");       // system moves asked for
        const QPoint surface(540, 300);
        QTest::newRow("tap") << "pr" << surface << 0;
        QTest::newRow("tap, then the pointer moves") << "prm" << surface << 0;
        QTest::newRow("drag") << "pmr" << surface << 1;
        QTest::newRow("drag from a button")
            << "pmr" << layout::mainwindow::kPauseButton.center() << 0;
    }
    // A move handed to the platform runs until the button comes up; one asked
    // for after the release (a quick tap) would run on, the window following
    // the pointer until the next click.
    void onlyAMoveWithTheButtonHeldDragsTheWindow() {
        QFETCH(QString, gesture);
        QFETCH(QPoint, at);
        int moves = 0;
        delete main->table.findChild<SurfaceDrag*>();
        new SurfaceDrag(main->table, [&](QWindow&) { return ++moves > 0; });
        QWindow* window = main->table.windowHandle();
        const QPoint start = main->table.pos();
        for (const QChar step : gesture) {
            if (step == u'p') {
                QTest::mousePress(window, Qt::LeftButton, {}, at);
            } else if (step == u'm') {
                QTest::mouseMove(window, at + QPoint(40, 30));
            } else {
                QTest::mouseRelease(window, Qt::LeftButton, {}, at);
            }
        }
        QTEST(moves, "moves");
        QCOMPARE(main->table.pos(), start);
    }

    // The window has no title bar: its surface is the handle to move it by,
    // while a press on a button or a painted word stays a click. Headless, the
    // platform refuses to move windows, so the window follows the mouse itself.
    void onlyTheSurfaceDragsTheWindow() {
        using namespace layout::mainwindow;
        const std::pair<QPoint, QPoint> presses[] = {{kPauseButton.center(), {}},
                                                     {kNewGameWord.center(), {}},
                                                     {{540, 300}, {30, 20}}}; // the surface
        for (const auto& [press, moved] : presses) {
            main.emplace();
            QWindow* window = main->table.windowHandle();
            const QPoint start = main->table.pos();
            QTest::mousePress(window, Qt::LeftButton, {}, press);
            QTest::mouseMove(window, press + QPoint(30, 20));
            QTest::mouseRelease(window, Qt::LeftButton, {}, press);
            QCOMPARE(main->table.pos() - start, moved);
        }
    }

    // The end screen announces the next level in large type over its picture.
    // A click on the shown level belongs to the label; a click on the end
    // screen's surface, Escape and the window manager's close all dismiss it,
    // and the next level then starts running, never stopped behind a pause
    // button that shows "running".
    void endScreenDismissalRestartsTheGame() {
        const std::pair<Act, bool> ways[] = {
            {[](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(20, 20)); }, true},
            {[](QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(258, 115)); },
             false},
            {[](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }, true},
            {[](QWidget& w) { w.close(); }, true}};
        for (const auto& [way, dismisses] : ways) {
            main.emplace();
            Click(main->table.settings(), "campaignOption");
            main->access.player(1).eaten = 25;
            QString shown;
            const auto look = [&](QWidget& screen) {
                shown = static_cast<EndScreen&>(screen).levelNumber()->text();
                way(screen);
            };
            QCOMPARE(WhileModal([&] { main->access.game.Tick(); }, look), std::optional(dismisses));
            QVERIFY(shown == "2" && main->table.TimerEnabled() &&
                    main->game.obstacles()[0] == kObstacle);
        }
    }

    // The speed is nothing but the lit segments and the timer: every kind of
    // click must leave both telling the same speed.
    void speedIndicatorShowsTheSpeedInForce() {
        SettingsWindow& settings = main->table.settings();
        const Picture unlit = Shown(settings, "speedSegment6");
        const auto shown = [&] {
            QString lit;
            for (int k = 0; k < 7; ++k) {
                lit +=
                    Shown(settings, QStringLiteral("speedSegment%1").arg(k)) == unlit ? '-' : '#';
            }
            return lit + ' ' + QString::number(main->table.TimerInterval());
        };
        QCOMPARE(shown(), "###---- 150");
        const std::pair<int, QString> clicks[] = {{5, "######- 50"},  {1, "##----- 200"},
                                                  {1, "##----- 200"}, {6, "####### 25"},
                                                  {6, "####### 25"},  {0, "#------ 250"}};
        for (const auto& [segment, expected] : clicks) {
            Click(settings, QStringLiteral("speedSegment%1").arg(segment));
            QCOMPARE(shown(), expected);
        }
    }

    // Yes always starts over, even with nothing changed; No only closes, and
    // the one settings window keeps the choice for the next opening, where Yes
    // applies it. The walls already laid keep their tile until a layout is
    // laid again. No tick runs behind the window, nor does the game resume
    // after it.
    void choicesWaitForYesAndOutliveNo() {
        main->access.level() = 3;
        main->access.LayObstacles();
        main->access.player(1).score = 700;
        const auto applied = [this] {
            const GameOptions& options = main->game.options();
            return std::tuple(options.snake1, options.snake2, options.obstacle);
        };
        const auto before = applied();
        main->Open("setupWord", [](QWidget& settings) { Click(settings, "yesButton"); });
        QVERIFY(main->game.player(1).score == 0 && main->Paused());
        std::tuple<Picture, Picture, Picture> chosen;
        main->Open("setupWord", [&](QWidget& settings) {
            for (const char* choice :
                 {"player1Swatch4", "player2Swatch4", "obstacleTile3", "noButton"}) {
                Click(settings, choice);
            }
            chosen = {Shown(settings, "player1Swatch4"), Shown(settings, "player2Swatch4"),
                      Shown(settings, "obstacleTile3")};
        });
        QCOMPARE(applied(), before);
        main->Open("setupWord", [](QWidget& settings) { Click(settings, "yesButton"); });
        QCOMPARE(applied(), chosen);
        QCOMPARE(main->game.cellPictures()[0], std::get<2>(before));
        main->access.LayObstacles();
        QCOMPARE(main->game.cellPictures()[0], std::get<2>(chosen));
        QCOMPARE(main->table.findChildren<SettingsWindow*>().size(), 1);
    }

    // The player picture shows the number of players, and either game type
    // starts over on the open board of level 1: each click restarts the game,
    // never leaving a later level's walls or the other player's score behind.
    void playerAndGameTypeChoicesStartOver() {
        SettingsWindow& settings = main->table.settings();
        const Picture onePlayer = Shown(settings, "playersPicture");
        for (const bool twoPlayers : {true, false}) {
            main->access.player(1).score = 900;
            Click(settings, "playersPicture");
            QVERIFY(main->game.options().twoPlayers == twoPlayers &&
                    main->game.player(1).score == 0);
            QCOMPARE(Shown(settings, "playersPicture") != onePlayer, twoPlayers);
            QCOMPARE(main->Control("player2Score")->isHidden(), !twoPlayers);
        }
        for (const QString gameType : {"campaignOption", "classicOption"}) {
            main->access.level() = 5;
            main->access.LayObstacles();
            Click(settings, gameType);
            QCOMPARE(main->game.options().campaign, gameType == "campaignOption");
            QVERIFY(main->game.level() == 1 &&
                    std::ranges::count(main->game.obstacles(), kFree) == kCells);
        }
    }

    void continuedNamesShowEverywhereAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Ann";
        QTest::newRow("empty") << "";
        QTest::newRow("markup") << "<b>x</b>";
        QTest::newRow("10,000 characters") << QString(10000, u'W');
    }
    // The names show on the main window, in the help window and in the end
    // messages as typed: markup taken as such, a lost
    // character or a label grown to fit would show in one of these places.
    // The next opening offers the default names again.
    void continuedNamesShowEverywhereAsTyped() {
        QFETCH(QString, name);
        const auto enter = [&](QWidget& dialog) {
            dialog.findChild<QLineEdit*>("player1NameBox")->setText(name);
            dialog.findChild<QLineEdit*>("player2NameBox")->setText("Bob");
            Click(dialog, "continueButton");
        };
        QCOMPARE(main->Open("player1Name", enter), std::optional(true));
        QStringList shown{Text(main->table, "player1Name"), Text(main->table, "player2Name")};
        main->Open("helpButton",
                   [&](QWidget& w) { shown << Text(w, "player1Name") << Text(w, "player2Name"); });
        Click(main->table.settings(), "playersPicture"); // two players
        Snake& snake2 = main->access.player(2).snake;
        snake2.cells.at(snake2.headIndex) = snake2.cells.at(0);
        QString ended;
        WhileModal([&] { main->access.CheckCollisions(); },
                   [&](QWidget& w) { ended = Text(w, "message"); });
        QVERIFY2(ended.startsWith(QChar(0x2068) + name.left(10)) && ended.endsWith(" Won"),
                 qPrintable(ended));
        main->Open("player2Name", [&](QWidget& dialog) {
            shown << dialog.findChild<QLineEdit*>("player1NameBox")->text()
                  << dialog.findChild<QLineEdit*>("player2NameBox")->text();
        });
        QCOMPARE(shown, QStringList({name, "Bob", name, "Bob", "Player1", "Player2"}));
        const auto* label = main->table.findChild<ElidedLabel*>("player1Name");
        QVERIFY(name.size() > 100 || label->shownText() == name);
        QCOMPARE(label->geometry(), layout::mainwindow::kPlayer1Name);
    }

    void endMessagesShortenTheNamesNeverTheWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("otherName");
        const QString longName(10000, u'W');
        QTest::newRow("short names whole") << "Ann"
                                           << " Collided with "
                                           << "Bob";
        QTest::newRow("long winner") << longName << " Won"
                                     << "";
        QTest::newRow("long victim") << longName << " was bitten to death"
                                     << "";
        QTest::newRow("both long") << longName << " Collided with " << longName;
        QTest::newRow("long other name") << "Ann"
                                         << " Collided with " << longName;
        QTest::newRow("direction override") << u"Eve\u202E"_s << " Won"
                                            << "";
        QTest::newRow("override in both") << u"\u202EEve"_s << " Collided with " << u"\u202EBob"_s;
    }
    // Three endings must never read the same: whatever the names, the words
    // of the ending show whole and in their own order on the end screen's
    // line, each name kept apart from them, and the line fits its label.
    void endMessagesShortenTheNamesNeverTheWords() {
        QFETCH(QString, name);
        QFETCH(QString, words);
        QFETCH(QString, otherName);
        EndScreenContent content;
        content.message =
            EndMessage{name.toStdString(), words.toStdString(), otherName.toStdString()};
        const EndScreen screen(content, &main->table);
        const QLabel& label = *screen.message();
        const QString line = label.text();
        QVERIFY(label.fontMetrics().horizontalAdvance(line) <= label.contentsRect().width());
        const QString after = otherName.isEmpty() ? QString() : QChar(0x2068) + otherName.left(3);
        QVERIFY2(line.startsWith(QChar(0x2068) + name.left(3)) &&
                     line.contains(QChar(0x2069) + words + after) &&
                     line.endsWith(after.isEmpty() ? words : QChar(0x2069)),
                 qPrintable(line));
        // Laid out on one line, the words run from left to right.
        QTextLayout layout(line, label.font());
        layout.beginLayout();
        QTextLine row = layout.createLine();
        row.setLineWidth(100000);
        layout.endLayout();
        const int start = line.indexOf(words);
        for (int i = start; i < start + words.size(); ++i) {
            QVERIFY2(row.cursorToX(i) < row.cursorToX(i + 1), qPrintable(words.mid(i - start, 1)));
        }
    }

    // A name can be very long: its label elides it once when the name, the
    // font or the width changes, and shows the elided text until then.
    void nameLabelsElideWhenTheyChange() {
        auto& label = *main->table.findChild<ElidedLabel*>("player1Name");
        const auto elided = [&] {
            return label.fontMetrics().elidedText(label.text(), Qt::ElideRight, label.width());
        };
        label.setText(QString(1000, u'W'));
        QCOMPARE(label.shownText(), elided());
        label.resize(label.width() + 60, label.height());
        QCOMPARE(label.shownText(), elided());
        QFont larger = label.font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        label.setFont(larger);
        QCOMPARE(label.shownText(), elided());
        label.setText("Ann");
        QCOMPARE(label.shownText(), "Ann");
    }

    void onlyContinueCopiesTheNames_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("typing, then the window manager's close") << int(Qt::Key_X);
    }
    // Only the painted Continue button closes the dialog with the names; a
    // dialog's usual keys would close it with or without them, and the window
    // manager's close leaves the names as they were. No tick runs behind the
    // dialog, nor does the game resume after it.
    void onlyContinueCopiesTheNames() {
        QFETCH(int, key);
        const auto typeAndPress = [key](QWidget& dialog) {
            dialog.findChild<QLineEdit*>("player1NameBox")->setText("Ann");
            QTest::keyClick(dialog.findChild<QLineEdit*>("player1NameBox"), Qt::Key(key));
        };
        QCOMPARE(main->Open("player1Name", typeAndPress), std::optional(false));
        QVERIFY(Text(main->table, "player1Name") == "Player1" && main->Paused());
    }

    // The help text is the game's own 26 lines, byte for byte (their digest),
    // misspellings and the spaces at the ends of lines included, and its last
    // line can be scrolled into view. No tick runs behind the window, nor does the game resume
    // after it.
    void helpShowsItsTextExactlyDownToTheLastLine() {
        QVERIFY(main->Open("helpButton", [&](QWidget& help) {
            auto* box = help.findChild<QPlainTextEdit*>();
            const QByteArray text = box->toPlainText().replace(u'\n', "\r\n").toLatin1();
            QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex(),
                     "cfc71858f19ac546f75eda0d11973247e31f9d145c3fd1f3464ecf33337e4bfa");
            QTextCursor lastLine(box->document()->findBlockByNumber(25));
            QVERIFY(!box->viewport()->rect().contains(box->cursorRect(lastLine)));
            box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
            QVERIFY(box->viewport()->rect().contains(box->cursorRect(lastLine)));
        }));
        QVERIFY(main->Paused());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
