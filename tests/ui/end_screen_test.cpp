// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include <QLabel>
#include <QTest>

using namespace zorvik;
using zorvik::testing::MainWindow;
using zorvik::testing::WhileModal;

class EndScreenTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheEndingsTextAndPicture_data();
    void showsTheEndingsTextAndPicture();
    void onlyAClickOnItsSurfaceDismissesIt();
    void anyWayOfClosingItRestartsTheGame_data();
    void anyWayOfClosingItRestartsTheGame();
};

void EndScreenTest::showsTheEndingsTextAndPicture_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("resource");
    QTest::addRow("next level") << int(EndPicture::LevelProceed) << 4 << QString()
                                << ":/endscreen/level.png";
    QTest::addRow("campaign over")
        << int(EndPicture::CampaignOver) << 0 << QString() << ":/endscreen/campaign-over.png";
    QTest::addRow("classic over") << int(EndPicture::ClassicOver) << 0 << QString()
                                  << ":/endscreen/classic-over.png";
    QTest::addRow("crash") << int(EndPicture::GameOver) << 0 << "Player2 Won"
                           << ":/endscreen/game-over.png";
    QTest::addRow("markup in a name")
        << int(EndPicture::GameOver) << 0 << "<b>x</b> was bitten to death"
        << ":/endscreen/game-over.png";
}

// Each ending tells the players what happened: its own picture, the new level
// in large type or the message line, and nothing left over from before.
void EndScreenTest::showsTheEndingsTextAndPicture() {
    QFETCH(int, picture);
    QFETCH(int, level);
    QFETCH(QString, message);
    QFETCH(QString, resource);
    EndScreenContent content{EndPicture(picture), {}, {}};
    if (level > 0) {
        content.level = level;
    }
    if (!message.isNull()) {
        content.message = message.toStdString();
    }
    EndScreen screen(content, nullptr);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(screen.picture().toImage().convertToFormat(QImage::Format_ARGB32),
             QImage(resource).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(screen.levelLabel()->isVisible(), level > 0);
    if (level > 0) {
        QCOMPARE(screen.levelLabel()->text(), QString::number(level));
    }
    QCOMPARE(screen.messageLabel()->isVisible(), !message.isNull());
    QCOMPARE(screen.messageLabel()->text(), message.isNull() ? QString() : message);
    QCOMPARE(screen.messageLabel()->textFormat(), Qt::PlainText);
}

// A click on a shown label belongs to the label; the window's own surface
// dismisses it.
void EndScreenTest::onlyAClickOnItsSurfaceDismissesIt() {
    EndScreen screen({EndPicture::LevelProceed, 3, {}}, nullptr);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QTest::mouseClick(&screen, Qt::LeftButton, {}, screen.levelLabel()->geometry().center());
    QVERIFY(screen.isVisible());
    QTest::mouseClick(&screen, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Accepted));
}

void EndScreenTest::anyWayOfClosingItRestartsTheGame_data() {
    QTest::addColumn<int>("how");
    QTest::addRow("click") << 0;
    QTest::addRow("Escape") << 1;
    QTest::addRow("window manager") << 2;
}

// However the end screen goes away, the next game must start on the level in
// force with the timer running, never stay stopped behind a pause button
// that shows "running".
void EndScreenTest::anyWayOfClosingItRestartsTheGame() {
    QFETCH(int, how);
    MainWindow window;
    SnakeGame& game = window.table->game();
    game.CampaignMode = true;
    game.Level = 5;
    game.SetObstacles();
    game.Snake1.at(game.Snake1Head) = 7; // on level 5's left hanging column

    bool timerStopped = false;
    const bool shown =
        WhileModal([&] { game.Collide(); },
                   [&](QWidget& modal) {
                       timerStopped = !window.table->TimerEnabled();
                       if (how == 0) {
                           QTest::mouseClick(&modal, Qt::LeftButton, {}, QPoint(20, 20));
                       } else if (how == 1) {
                           QTest::keyClick(&modal, Qt::Key_Escape);
                       } else {
                           modal.close();
                       }
                   });
    QVERIFY(shown);
    QVERIFY(timerStopped);
    QVERIFY(window.table->TimerEnabled());
    QCOMPARE(game.Level, 1);
    QVERIFY(std::all_of(game.Board.begin(), game.Board.end(), [](int c) { return c == kFree; }));
}

QTEST_MAIN(EndScreenTest)
#include "end_screen_test.moc"
