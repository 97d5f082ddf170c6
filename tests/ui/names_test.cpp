// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include "ui/shell/outline.h"
#include "ui/shell/picture_box.h"
#include "ui/shell/window_outlines.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace zorvik;
using namespace zorvik::testing;

namespace {

QLineEdit* TextBox(QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Types over the dialog's text boxes and clicks Continue.
void EnterNames(QWidget& dialog, const QString& first, const QString& second) {
    TextBox(dialog, "Text1")->setText(first);
    TextBox(dialog, "Text2")->setText(second);
    Click(dialog, "Label1");
}

QPair<QString, QString> HelpNames(MainWindow& main) {
    QPair<QString, QString> shown;
    main.Open("hlp", [&](QWidget& help) {
        shown = {help.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 help.findChild<QLabel*>(QStringLiteral("Label2"))->text()};
        help.close();
    });
    return shown;
}

} // namespace

class NamesTest : public QObject {
    Q_OBJECT
private slots:
    void continuedNamesReachEveryPlaceThatShowsThem_data();
    void continuedNamesReachEveryPlaceThatShowsThem();
    void everyOpeningStartsFromTheDefaultNames();
    void typingFillsTheFocusedBoxAndTabMovesToTheSecond();
    void enterAndEscapeDoNotCloseTheDialog_data();
    void enterAndEscapeDoNotCloseTheDialog();
    void closingWithoutContinueCopiesNothing();
    void gamePausedAfterTheDialog_data();
    void gamePausedAfterTheDialog();
    void dialogHasTheRoundedOutlineOfItsPicture();
    void draggedByItsPanelOnly_data();
    void draggedByItsPanelOnly();
};

void NamesTest::continuedNamesReachEveryPlaceThatShowsThem_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("plain names") << "Label5"
                                 << "Ann"
                                 << "Bob";
    QTest::newRow("from player 2's name") << "Label6"
                                          << "Ann"
                                          << "Bob";
    QTest::newRow("spaces kept") << "Label5"
                                 << "  Ann "
                                 << " ";
    QTest::newRow("empty") << "Label5"
                           << ""
                           << "Bob";
    QTest::newRow("markup") << "Label6"
                            << "<b>x</b>"
                            << "<img src=x>";
    QTest::newRow("not ASCII") << "Label5" << QString::fromUtf8("Zoë 🐍") << "Ωmega";
    // The second is longer than a text box takes unless its limit is lifted.
    QTest::newRow("very long") << "Label5" << QString(10000, QLatin1Char('W'))
                               << QString(40000, QLatin1Char('m'));
}

// The names live only in the main window's labels, from which the help
// window and the end messages read them: any trimming, markup or lost
// character shows up in one of the three.
void NamesTest::continuedNamesReachEveryPlaceThatShowsThem() {
    QFETCH(QString, opener);
    QFETCH(QString, first);
    QFETCH(QString, second);
    MainWindow main;
    auto* Label5 = main.Control<QLabel>("Label5");
    auto* Label6 = main.Control<QLabel>("Label6");
    const QRect geometry5 = Label5->geometry();
    const QRect geometry6 = Label6->geometry();

    QVERIFY(
        main.Open(qPrintable(opener), [&](QWidget& dialog) { EnterNames(dialog, first, second); }));

    QCOMPARE(Label5->text(), first);
    QCOMPARE(Label6->text(), second);
    for (QLabel* label : {Label5, Label6}) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QCOMPARE(Label5->geometry(), geometry5);
    QCOMPARE(Label6->geometry(), geometry6);

    main.Open("hlp", [&](QWidget& help) {
        auto* Label1 = help.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* Label2 = help.findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(Label1->text(), first);
        QCOMPARE(Label2->text(), second);
        QCOMPARE(Label1->textFormat(), Qt::PlainText);
        QCOMPARE(Label2->textFormat(), Qt::PlainText);
        QCOMPARE(Label1->geometry(), QRect(145, 406, 140, 28));
        QCOMPARE(Label2->geometry(), QRect(381, 406, 137, 28));
        help.close();
    });

    QCOMPARE(main.EndMessageAfterCrash(1), second + " Won");
    QCOMPARE(main.EndMessageAfterCrash(2), first + " Won");
}

// Each opening loads the dialog afresh: the names typed last time must not
// come back, and Continue without typing restores the defaults.
void NamesTest::everyOpeningStartsFromTheDefaultNames() {
    MainWindow main;
    main.Open("Label5", [](QWidget& dialog) { EnterNames(dialog, "Ann", "Bob"); });

    QPair<QString, QString> offered;
    QVERIFY(main.Open("Label6", [&](QWidget& dialog) {
        offered = {TextBox(dialog, "Text1")->text(), TextBox(dialog, "Text2")->text()};
        Click(dialog, "Label1");
    }));

    QCOMPARE(offered, qMakePair(QStringLiteral("Player1"), QStringLiteral("Player2")));
    QCOMPARE(main.Control<QLabel>("Label5")->text(), QStringLiteral("Player1"));
    QCOMPARE(main.Control<QLabel>("Label6")->text(), QStringLiteral("Player2"));
    QCOMPARE(HelpNames(main), offered);
}

// The players type straight away into player 1's box and reach player 2's
// with Tab, although Tab is player 2's bite key in the main window.
void NamesTest::typingFillsTheFocusedBoxAndTabMovesToTheSecond() {
    MainWindow main;
    main.Open("Label5", [](QWidget& dialog) {
        QLineEdit* Text1 = TextBox(dialog, "Text1");
        QLineEdit* Text2 = TextBox(dialog, "Text2");
        QTRY_COMPARE(QApplication::focusWidget(), Text1);
        Text1->selectAll();
        QTest::keyClicks(Text1, "Ann");
        QTest::keyClick(Text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Text2);
        QTest::keyClicks(Text2, "Bob");
        Click(dialog, "Label1");
    });

    QCOMPARE(main.Control<QLabel>("Label5")->text(), QStringLiteral("Ann"));
    QCOMPARE(main.Control<QLabel>("Label6")->text(), QStringLiteral("Bob"));
}

void NamesTest::enterAndEscapeDoNotCloseTheDialog_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

// Only the painted Continue button closes the dialog; a dialog's usual
// keys would close it with or without the names.
void NamesTest::enterAndEscapeDoNotCloseTheDialog() {
    QFETCH(int, key);
    MainWindow main;
    bool stayedOpen = false;
    QString copiedWhileOpen;
    main.Open("Label5", [&](QWidget& dialog) {
        TextBox(dialog, "Text1")->setText("Ann");
        QTest::keyClick(TextBox(dialog, "Text1"), Qt::Key(key));
        QTest::keyClick(&dialog, Qt::Key(key));
        QCoreApplication::processEvents();
        stayedOpen = dialog.isVisible();
        copiedWhileOpen = main.Control<QLabel>("Label5")->text();
        Click(dialog, "Label1");
    });

    QVERIFY(stayedOpen);
    QCOMPARE(copiedWhileOpen, QStringLiteral("Player1"));
    QCOMPARE(main.Control<QLabel>("Label5")->text(), QStringLiteral("Ann"));
}

// Closed by the window manager, the dialog goes away and leaves the names
// as they were.
void NamesTest::closingWithoutContinueCopiesNothing() {
    MainWindow main;
    main.Open("Label5", [](QWidget& dialog) { EnterNames(dialog, "Ann", "Bob"); });

    bool closed = false;
    main.Open("Label6", [&](QWidget& dialog) {
        TextBox(dialog, "Text1")->setText("Cid");
        TextBox(dialog, "Text2")->setText("Dee");
        closed = dialog.close();
    });

    QVERIFY(closed);
    QCOMPARE(main.Control<QLabel>("Label5")->text(), QStringLiteral("Ann"));
    QCOMPARE(main.Control<QLabel>("Label6")->text(), QStringLiteral("Bob"));
}

void NamesTest::gamePausedAfterTheDialog_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("runningBefore");
    QTest::newRow("running, player 1") << "Label5" << true;
    QTest::newRow("running, player 2") << "Label6" << true;
    QTest::newRow("paused, player 1") << "Label5" << false;
}

// No tick may run behind the dialog, and the game must not resume on its
// own afterwards: the pause button has to show play.
void NamesTest::gamePausedAfterTheDialog() {
    QFETCH(QString, opener);
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
    main.Open(qPrintable(opener), [&](QWidget& dialog) {
        runningWhileOpen = main.table->TimerEnabled();
        Click(dialog, "Label1");
    });

    QVERIFY(!runningWhileOpen);
    QVERIFY(!main.table->TimerEnabled());
    QCOMPARE(Pause->picture(), play);
}

// Outside the outline the dialog neither draws nor takes the mouse; its top
// row is not its own and its bottom row only under the Continue button. The
// outline is given again at every opening.
void NamesTest::dialogHasTheRoundedOutlineOfItsPicture() {
    MainWindow main;
    for (const char* opener : {"Label5", "Label6"}) {
        QRegion outline;
        QSize size;
        main.Open(opener, [&](QWidget& dialog) {
            outline = dialog.mask();
            size = dialog.size();
            dialog.close();
        });

        QCOMPARE(size, QSize(358, 151));
        QCOMPARE(outline, RegionFromBytes(NamesRegion()));
        for (int x = 0; x < 358; ++x) {
            QVERIFY2(!outline.contains(QPoint(x, 0)), qPrintable(QString::number(x)));
            QCOMPARE(outline.contains(QPoint(x, 151)), x >= 133 && x <= 228);
        }
    }
}

void NamesTest::draggedByItsPanelOnly_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("panel, left button") << "" << Qt::LeftButton << true;
    QTest::newRow("panel, right button") << "" << Qt::RightButton << true;
    QTest::newRow("title") << "Label2" << Qt::LeftButton << false;
    QTest::newRow("caption") << "Label5" << Qt::RightButton << false;
    QTest::newRow("text box") << "Text2" << Qt::LeftButton << false;
}

// The panel is the dialog's title bar; a press meant for a label or a text
// box must not carry the dialog away.
void NamesTest::draggedByItsPanelOnly() {
    QFETCH(QString, control);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, moves);
    MainWindow main;
    QPoint moved;
    main.Open("Label5", [&](QWidget& dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint press = control.isEmpty()
                                 ? QPoint(10, 60)
                                 : dialog.findChild<QWidget*>(control)->geometry().center();
        const QPoint before = dialog.pos();
        QWindow* window = dialog.windowHandle();
        QTest::mousePress(window, button, {}, press);
        // The release comes where the mouse is, wherever the dialog went.
        const QPoint to = dialog.mapToGlobal(press + QPoint(20, 10));
        QTest::mouseMove(window, press + QPoint(20, 10));
        QTest::mouseRelease(window, button, {}, dialog.mapFromGlobal(to));
        QCoreApplication::processEvents();
        moved = dialog.pos() - before;
        dialog.close();
    });

    QCOMPARE(moved, moves ? QPoint(20, 10) : QPoint(0, 0));
}

QTEST_MAIN(NamesTest)
#include "names_test.moc"
