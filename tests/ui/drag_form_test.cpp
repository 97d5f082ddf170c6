// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/shell/drag_form.h"

#include <QMouseEvent>
#include <QTest>
#include <QWindow>

using namespace zorvik;

namespace {

// A borderless window that is dragged by its surface with any button.
class DraggableWindow : public QWidget {
public:
    DraggableWindow() : QWidget(nullptr, Qt::FramelessWindowHint) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { DragForm(*this, event->globalPosition()); }
};

} // namespace

class DragFormTest : public QObject {
    Q_OBJECT
private slots:
    void windowFollowsTheMouseUntilRelease_data();
    void windowFollowsTheMouseUntilRelease();
};

void DragFormTest::windowFollowsTheMouseUntilRelease_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
}

// Where the platform will not move the window (as here, headless), the window
// must still follow the drag, and stop at the release.
void DragFormTest::windowFollowsTheMouseUntilRelease() {
    QFETCH(Qt::MouseButton, button);

    DraggableWindow window;
    window.setGeometry(100, 100, 200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    QWindow* handle = window.windowHandle();

    QTest::mousePress(handle, button, {}, QPoint(10, 10));
    QTest::mouseMove(handle, QPoint(40, 30));
    QCOMPARE(window.pos(), start + QPoint(30, 20));
    // The grabbed point stays under the pointer, so the release comes where it was pressed.
    QTest::mouseRelease(handle, button, {}, QPoint(10, 10));
    QTest::mouseMove(handle, QPoint(90, 60));
    QCOMPARE(window.pos(), start + QPoint(30, 20));
}

QTEST_MAIN(DragFormTest)
#include "drag_form_test.moc"
