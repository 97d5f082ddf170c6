// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include "ui/help_text.h"
#include "ui/shell/picture_box.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace zorvik;
using namespace zorvik::testing;

namespace {

// How to play, line by line, the misspellings and the spaces at the ends of
// lines included.
const char* const kLines[] = {
    "ZORVIK.",
    "",
    "Thier are two different types of games classical and campaign",
    "",
    "classical - You play in one level .It can be played in different ",
    "speeds by using the speed indicator. Higher the speed, higher ",
    "will be the score. ",
    "",
    "Campaign - You can advance through various levels. The ",
    "game goes on becoming difficult as the game advances. It too, ",
    "can also be played in different speeds.Higher the speed, ",
    "higher will be the score.",
    "",
    "The game can be played by two players . Two player mode ",
    "also contains both classical and campaign types of games. But ",
    "if one player is out, the game is over for both the players.",
    "",
    "You can go on playing the classic type until the player (in case ",
    "of 2 players, either of the players) collects 100 food. In the ",
    "Campaign type, you can progress through the levels by taking ",
    "25 food.",
    "",
    "If the snakes of the two players collides thier head will turn ",
    "black that means that the player with the black head can bit the ",
    "other player and take some of his power (a player can be ",
    "bitten to death) ,eating the food gives you back your power .",
};

QByteArray ExpectedHelpText() {
    QByteArray text;
    for (const char* line : kLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

QPlainTextEdit* HelpBox(QWidget& help) {
    return help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheMainWindowsNames();
    void helpTextIsTheTwentySixLines();
    void scrollBarReachesTheLastLine();
    void gamePausedAfterHelp_data();
    void gamePausedAfterHelp();
};

// Without entered names the labels over the keys show the main window's
// defaults, which have no space, not the "Player 1" of the layout.
void HelpTest::showsTheMainWindowsNames() {
    MainWindow main;
    QString first, second;
    QVERIFY(main.Open("hlp", [&](QWidget& help) {
        first = help.findChild<QLabel*>(QStringLiteral("Label1"))->text();
        second = help.findChild<QLabel*>(QStringLiteral("Label2"))->text();
        help.close();
    }));

    QCOMPARE(first, QStringLiteral("Player1"));
    QCOMPARE(second, QStringLiteral("Player2"));
}

// The text is the game's own, character for character; a tidied space or a
// corrected word would be a different text.
void HelpTest::helpTextIsTheTwentySixLines() {
    QCOMPARE(std::size(kLines), std::size_t(26));
    QCOMPARE(QByteArray(kHelpText), ExpectedHelpText());

    MainWindow main;
    QString shown;
    main.Open("hlp", [&](QWidget& help) {
        shown = HelpBox(help)->toPlainText();
        help.close();
    });
    // A text box keeps line breaks as plain line feeds.
    QCOMPARE(shown, QString::fromLatin1(ExpectedHelpText()).replace("\r\n", "\n"));
}

// The text is longer than its box: the last line must be reachable.
void HelpTest::scrollBarReachesTheLastLine() {
    MainWindow main;
    bool lastLineHiddenAtFirst = false;
    bool lastLineShownAtTheEnd = false;
    main.Open("hlp", [&](QWidget& help) {
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QPlainTextEdit* box = HelpBox(help);
        QTextCursor lastLine(box->document()->findBlockByNumber(25));
        lastLine.movePosition(QTextCursor::EndOfBlock);
        const QRect visible = box->viewport()->rect();
        lastLineHiddenAtFirst = !visible.contains(box->cursorRect(lastLine));
        QScrollBar* scrollBar = box->verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum());
        lastLineShownAtTheEnd = visible.contains(box->cursorRect(lastLine));
        help.close();
    });

    QVERIFY(lastLineHiddenAtFirst);
    QVERIFY(lastLineShownAtTheEnd);
}

void HelpTest::gamePausedAfterHelp_data() {
    QTest::addColumn<bool>("runningBefore");
    QTest::newRow("running") << true;
    QTest::newRow("paused") << false;
}

// No tick may run behind the help window, and the game must not resume on
// its own afterwards: the pause button has to show play.
void HelpTest::gamePausedAfterHelp() {
    QFETCH(bool, runningBefore);
    MainWindow main;
    auto* Pause = main.Control<PictureBox>("Pause");
    Click(*main.table, "Pause");
    const Picture play = Pause->picture();
    if (runningBefore) {
        Click(*main.table, "Pause");
    }
    QCOMPARE(main.table->TimerEnabled(), runningBefore);

    bool runningWhileOpen = true;
    main.Open("hlp", [&](QWidget& help) {
        runningWhileOpen = main.table->TimerEnabled();
        help.close();
    });

    QVERIFY(!runningWhileOpen);
    QVERIFY(!main.table->TimerEnabled());
    QCOMPARE(Pause->picture(), play);
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
