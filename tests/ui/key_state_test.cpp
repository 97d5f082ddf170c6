// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/shell/key_state.h"

#include "engine/keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace zorvik;

namespace {

// A key state fed by every key event of this test application.
struct WatchedKeys : KeyState {
    WatchedKeys() { qApp->installEventFilter(this); }
};

} // namespace

class KeyStateTest : public QObject {
    Q_OBJECT
private slots:
    void virtualKeyOfMapsTheGameKeys_data();
    void virtualKeyOfMapsTheGameKeys();
    void heldKeyCountsOnEveryQuery();
    void shortPressCountsOnceAtTheNextQuery();
    void autoRepeatIsIgnored();
    void textBoxesStillReceiveTheKeys();
    void losingTheKeyboardReleasesHeldKeys_data();
    void losingTheKeyboardReleasesHeldKeys();
};

void KeyStateTest::virtualKeyOfMapsTheGameKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<int>("virtualKey"); // 0: not a key the game reads

    const Qt::KeyboardModifiers none;
    QTest::newRow("left") << int(Qt::Key_Left) << none << 113 << vk::Left;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 116 << vk::Down;
    QTest::newRow("right ctrl") << int(Qt::Key_Control) << none << 105 << vk::Control;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << 23 << vk::Tab;
    QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << 23 << vk::Tab;
    QTest::newRow("ctrl+w") << int(Qt::Key_W) << Qt::KeyboardModifiers(Qt::ControlModifier) << 25
                            << vk::W;
    QTest::newRow("latin letter wins over position") << int(Qt::Key_Z) << none << 25 << 0x5A;
    QTest::newRow("cyrillic in w position") << 0x0426 << none << 25 << vk::W;
    QTest::newRow("cyrillic in d position") << 0x0412 << none << 40 << vk::D;
    QTest::newRow("greek in s position") << 0x03A3 << none << 39 << vk::S;
    QTest::newRow("cyrillic elsewhere") << 0x0419 << none << 24 << 0;
    QTest::newRow("comma in w position") << int(Qt::Key_Comma) << none << 25 << 0;
}

// Each player's keys must arrive as the codes the game polls, whatever the
// modifiers and on layouts without Latin letters.
void KeyStateTest::virtualKeyOfMapsTheGameKeys() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, scanCode);
    QFETCH(int, virtualKey);

    const QKeyEvent event(QEvent::KeyPress, key, modifiers, quint32(scanCode), 0, 0);
    QCOMPARE(KeyState::VirtualKeyOf(event).value_or(0), virtualKey);
}

// A held steering key keeps steering in every tick.
void KeyStateTest::heldKeyCountsOnEveryQuery() {
    WatchedKeys keys;
    QWidget window;
    QTest::keyPress(&window, Qt::Key_Left);
    QVERIFY(keys.KeyPressed(vk::Left));
    QVERIFY(keys.KeyPressed(vk::Left));
    QTest::keyRelease(&window, Qt::Key_Left);
    QVERIFY(!keys.KeyPressed(vk::Left));
}

// A tap between two ticks must still turn the snake, but only once.
void KeyStateTest::shortPressCountsOnceAtTheNextQuery() {
    WatchedKeys keys;
    QWidget window;
    QTest::keyClick(&window, Qt::Key_Left);
    QVERIFY(keys.KeyPressed(vk::Left));
    QVERIFY(!keys.KeyPressed(vk::Left));
}

// The platform's repeated release and press of a held key must neither release
// it nor count as fresh presses.
void KeyStateTest::autoRepeatIsIgnored() {
    WatchedKeys keys;
    QWidget window;
    QTest::keyPress(&window, Qt::Key_W);
    QVERIFY(keys.KeyPressed(vk::W));
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_W, Qt::NoModifier, "w", true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, "w", true);
    QApplication::sendEvent(&window, &repeatRelease);
    QVERIFY(keys.KeyPressed(vk::W));
    QApplication::sendEvent(&window, &repeatPress);
    QTest::keyRelease(&window, Qt::Key_W);
    QVERIFY(!keys.KeyPressed(vk::W));
}

// The names dialog's text boxes must still get the letters typed into them.
void KeyStateTest::textBoxesStillReceiveTheKeys() {
    WatchedKeys keys;
    QLineEdit name;
    QTest::keyClicks(&name, "wasd");
    QCOMPARE(name.text(), QStringLiteral("wasd"));
    QVERIFY(keys.KeyPressed(vk::W));
}

void KeyStateTest::losingTheKeyboardReleasesHeldKeys_data() {
    QTest::addColumn<bool>("applicationInactive");
    QTest::newRow("application inactive") << true;
    QTest::newRow("no window has the focus") << false;
}

// A key released while another program has the keyboard never reaches us, so
// it must not stay held and steer the snake on.
void KeyStateTest::losingTheKeyboardReleasesHeldKeys() {
    QFETCH(bool, applicationInactive);
    WatchedKeys keys;
    QWidget window;
    QTest::keyPress(&window, Qt::Key_Left);
    QVERIFY(keys.KeyPressed(vk::Left));
    // Headless, there is no other program to take the keyboard, so the test
    // announces the loss as the platform would.
    if (applicationInactive) {
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    } else {
        emit qApp->focusWindowChanged(nullptr);
    }
    QVERIFY(!keys.KeyPressed(vk::Left));
}

QTEST_MAIN(KeyStateTest)
#include "key_state_test.moc"
