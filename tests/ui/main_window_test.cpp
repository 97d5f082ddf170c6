// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include "engine/keys.h"
#include "ui/shell/picture_box.h"

#include <QLabel>
#include <QTest>

using namespace zorvik;
using zorvik::testing::MainWindow;

namespace {

// Whether a picture box shows the picture stored under a resource path.
bool Shows(const MainWindow& window, const char* control, const char* resource) {
    const auto* box = window.Control<PictureBox>(control);
    return box &&
           window.book.Pixmap(box->picture()).toImage() == QImage(QString::fromLatin1(resource));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnARunningOnePlayerClassicGame();
    void pauseButtonShowsWhetherTheGameRuns();
    void newGameKeepsThePauseState();
    void panelFollowsScoresAndPower();
    void losingTheKeyboardPausesARunningGame();
    void tabReachesTheGameInsteadOfMovingFocus();
};

// The program must open on a game that is already running, set up as at
// every start.
void MainWindowTest::opensOnARunningOnePlayerClassicGame() {
    MainWindow window;
    SnakeTable& table = *window.table;
    QCOMPARE(table.windowTitle(), QStringLiteral("Zorvik"));
    QCOMPARE(table.size(), QSize(801, 551));
    QVERIFY(table.TimerEnabled());
    QCOMPARE(table.TimerInterval(), 150);
    QVERIFY(table.game().OnePlayer);
    QVERIFY(!table.game().CampaignMode);
    QCOMPARE(window.Control<QLabel>("Label1")->text(), QStringLiteral("0"));
    QVERIFY(!window.Control<QLabel>("Label2")->isVisible());
    QCOMPARE(window.Control<QWidget>("Label8")->width(), 158);
    QCOMPARE(window.Control<QWidget>("Label13")->width(), 158);
    QVERIFY(Shows(window, "Pause", ":/main/pause.png"));
}

// Pausing is the timer alone; the picture on the button must always tell the
// truth about it.
void MainWindowTest::pauseButtonShowsWhetherTheGameRuns() {
    MainWindow window;
    SnakeTable& table = *window.table;
    for (int click = 0; click < 5; ++click) {
        zorvik::testing::Click(table, "Pause");
        const bool running = click % 2 == 1;
        QCOMPARE(table.TimerEnabled(), running);
        QVERIFY(Shows(window, "Pause", running ? ":/main/pause.png" : ":/main/play.png"));
    }
}

// New starts a fresh game but must neither pause a running game nor start a
// paused one.
void MainWindowTest::newGameKeepsThePauseState() {
    MainWindow window;
    SnakeTable& table = *window.table;
    table.game().Score1 = 500;
    zorvik::testing::Click(table, "Pause");
    zorvik::testing::Click(table, "Label3");
    QVERIFY(!table.TimerEnabled());
    QVERIFY(Shows(window, "Pause", ":/main/play.png"));
    QCOMPARE(table.game().Score1, 0.0f);
    QCOMPARE(table.game().Snake1.at(table.game().Snake1Head), 105);

    zorvik::testing::Click(table, "Pause");
    zorvik::testing::Click(table, "Label3");
    QVERIFY(table.TimerEnabled());
}

// The players read the game off the panel: after each tick it must show the
// engine's scores and power (2370 twips of power are the full 158 pixels).
void MainWindowTest::panelFollowsScoresAndPower() {
    MainWindow window;
    SnakeTable& table = *window.table;
    SnakeGame& game = table.game();
    game.OnePlayer = false;
    game.Reset();
    game.Power1 = 770;
    game.Power2 = 1270;
    game.FoodCell = game.Snake1.at(game.Snake1Head) + 1;
    table.SetTimerInterval(25);

    QTRY_COMPARE(window.Control<QLabel>("Label1")->text(), QStringLiteral("1000"));
    QCOMPARE(window.Control<QWidget>("Label8")->width(), 158);
    QCOMPARE(window.Control<QWidget>("Label13")->width(), qRound(1270 / 15.0));
    QVERIFY(window.Control<QLabel>("Label2")->isVisible());
    QCOMPARE(window.Control<QLabel>("Label2")->text(), QStringLiteral("0"));
}

// Keys typed into another program never reach the game, so the snakes must
// not run on uncontrolled meanwhile.
void MainWindowTest::losingTheKeyboardPausesARunningGame() {
    MainWindow window;
    SnakeTable& table = *window.table;
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QVERIFY(!table.TimerEnabled());
    QVERIFY(Shows(window, "Pause", ":/main/play.png"));

    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    QVERIFY(!table.TimerEnabled());
}

// Tab is player 2's bite key: focus navigation must not swallow it.
void MainWindowTest::tabReachesTheGameInsteadOfMovingFocus() {
    MainWindow window;
    SnakeTable& table = *window.table;
    table.activateWindow();
    table.setFocus();
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(&table, Qt::Key_Tab);
    QVERIFY(table.keyState().KeyPressed(vk::Tab));
    QCOMPARE(QApplication::focusWidget(), focused);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
