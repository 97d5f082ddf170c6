// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/shell/outline.h"
#include "ui/shell/window_outlines.h"

#include <QTest>
#include <QWidget>
#include <QtEndian>

using namespace zorvik;

namespace {

qint32 FieldAt(const QByteArray& data, int offset) {
    return qFromLittleEndian<qint32>(data.constData() + offset);
}

// Rectangle 0 starts after the 32-byte header; rectangle -1 is the bounds.
QRect RectangleAt(const QByteArray& data, int index) {
    const int offset = 32 + 16 * index;
    const int left = FieldAt(data, offset), top = FieldAt(data, offset + 4);
    return QRect(left, top, FieldAt(data, offset + 8) - left, FieldAt(data, offset + 12) - top);
}

QByteArray Patched(QByteArray data, int offset, qint32 value) {
    qToLittleEndian(value, data.data() + offset);
    return data;
}

} // namespace

class OutlineTest : public QObject {
    Q_OBJECT
private slots:
    void regionBytesFollowTheLayout_data();
    void regionBytesFollowTheLayout();
    void maskEdgesMatchTheRoundedCorners_data();
    void maskEdgesMatchTheRoundedCorners();
    void namesDialogTopAndBottomRows();
    void malformedBytesLeaveTheWindowRectangular_data();
    void malformedBytesLeaveTheWindowRectangular();
};

void OutlineTest::regionBytesFollowTheLayout_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QRect>("firstBand");
    QTest::addColumn<QRect>("middleBand");
    QTest::addColumn<QRect>("extra");

    QTest::newRow("main window") << MainWindowRegion() << 432 << QRect(0, 0, 799, 550)
                                 << QRect(20, 0, 759, 1) << QRect(0, 21, 799, 508) << QRect();
    QTest::newRow("settings") << SettingsRegion() << 944 << QRect(0, 0, 428, 508)
                              << QRect(42, 0, 344, 1) << QRect(0, 47, 428, 414) << QRect();
    QTest::newRow("names") << NamesRegion() << 768 << QRect(0, 1, 358, 151) << QRect(34, 1, 290, 1)
                           << QRect(0, 31, 358, 90) << QRect(133, 151, 96, 1);
}

// The bytes are the platform's region-data layout: a wrong header field or a
// band out of order gives a window the wrong shape, or none.
void OutlineTest::regionBytesFollowTheLayout() {
    QFETCH(QByteArray, data);
    QFETCH(int, size);
    QFETCH(QRect, bounds);
    QFETCH(QRect, firstBand);
    QFETCH(QRect, middleBand);
    QFETCH(QRect, extra);

    const int count = (size - 32) / 16;
    QCOMPARE(data.size(), size);
    QCOMPARE(FieldAt(data, 0), 32);
    QCOMPARE(FieldAt(data, 4), 1);
    QCOMPARE(FieldAt(data, 8), count);
    QCOMPARE(FieldAt(data, 12), 16 * count);
    QCOMPARE(RectangleAt(data, -1), bounds);

    const int bands = extra.isNull() ? count : count - 1;
    QCOMPARE(RectangleAt(data, 0), firstBand);
    QCOMPARE(RectangleAt(data, bands / 2), middleBand);
    const int height = bounds.bottom() + 1;
    for (int i = 0; i < bands / 2; ++i) {
        const QRect upper = RectangleAt(data, i);
        QCOMPARE(RectangleAt(data, bands - 1 - i),
                 QRect(upper.left(), height - upper.bottom() - 1, upper.width(), upper.height()));
    }
    if (!extra.isNull()) {
        QCOMPARE(RectangleAt(data, count - 1), extra);
    }
}

void OutlineTest::maskEdgesMatchTheRoundedCorners_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inside");
    QTest::newRow("(10,0)") << QPoint(10, 0) << false;
    QTest::newRow("(20,0)") << QPoint(20, 0) << true;
    QTest::newRow("(778,0)") << QPoint(778, 0) << true;
    QTest::newRow("(779,0)") << QPoint(779, 0) << false;
    QTest::newRow("(0,20)") << QPoint(0, 20) << false;
    QTest::newRow("(0,21)") << QPoint(0, 21) << true;
}

// Outside the outline the main window must neither draw nor take presses; the
// corners are where an off-by-one shows.
void OutlineTest::maskEdgesMatchTheRoundedCorners() {
    QFETCH(QPoint, pixel);
    QFETCH(bool, inside);

    QWidget window;
    window.resize(799, 550);
    SetWindowOutline(window, MainWindowRegion());
    QCOMPARE(window.mask().contains(pixel), inside);
}

// The names dialog's top row is not its own, and its bottom row belongs to it
// only under the Continue button.
void OutlineTest::namesDialogTopAndBottomRows() {
    QWidget dialog;
    dialog.resize(358, 152);
    SetWindowOutline(dialog, NamesRegion());
    for (int x = 0; x < 358; ++x) {
        QVERIFY2(!dialog.mask().contains(QPoint(x, 0)), qPrintable(QString::number(x)));
        QVERIFY2(dialog.mask().contains(QPoint(x, 151)) == (x >= 133 && x <= 228),
                 qPrintable(QString::number(x)));
    }
}

void OutlineTest::malformedBytesLeaveTheWindowRectangular_data() {
    QTest::addColumn<QByteArray>("data");

    const QByteArray valid = MainWindowRegion();
    QTest::newRow("short header") << valid.left(31);
    QTest::newRow("wrong header size") << Patched(valid, 0, 40);
    QTest::newRow("not a rectangle list") << Patched(valid, 4, 2);
    QTest::newRow("fewer rectangles than counted") << valid.left(432 - 16);
    // 16 times this count wraps to 0 in 32 bits, which a naive size check accepts.
    QTest::newRow("count wrapping the list size") << Patched(Patched(valid, 8, 0x10000000), 12, 0);
    QTest::newRow("rectangle turned inside out") << Patched(valid, 32 + 8, 10);
}

// Bytes that are not a rectangle list must not shape the window at all: a
// half-read list would cut arbitrary holes in it.
void OutlineTest::malformedBytesLeaveTheWindowRectangular() {
    QFETCH(QByteArray, data);

    QWidget window;
    window.resize(799, 550);
    SetWindowOutline(window, data);
    QVERIFY(window.mask().isEmpty());
}

QTEST_MAIN(OutlineTest)
#include "outline_test.moc"
