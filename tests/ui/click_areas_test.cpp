// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/shell/hot_spot.h"
#include "ui/shell/picture_book.h"
#include "ui/shell/picture_box.h"

#include <QTest>

using namespace zorvik;

namespace {

// A red window surface that counts the presses reaching it (which would drag it).
class Surface : public QWidget {
public:
    Surface() {
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::red));
        resize(100, 100);
    }
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

enum class Gesture { LeftClick, RightClick, ReleaseOutside, ReleaseWithoutPress };

} // namespace

class ClickAreasTest : public QObject {
    Q_OBJECT
private slots:
    void clicksAreLeftPressAndReleaseInside_data();
    void clicksAreLeftPressAndReleaseInside();
    void pictureShowsUnscaledAndHotSpotNothing();
};

void ClickAreasTest::clicksAreLeftPressAndReleaseInside_data() {
    QTest::addColumn<bool>("pictureBox");
    QTest::addColumn<int>("gesture");
    QTest::addColumn<int>("clicks");

    for (const bool pictureBox : {true, false}) {
        const char* kind = pictureBox ? "picture box" : "hot spot";
        QTest::addRow("%s left click", kind) << pictureBox << int(Gesture::LeftClick) << 1;
        QTest::addRow("%s right click", kind) << pictureBox << int(Gesture::RightClick) << 0;
        QTest::addRow("%s release outside", kind)
            << pictureBox << int(Gesture::ReleaseOutside) << 0;
        QTest::addRow("%s release without press", kind)
            << pictureBox << int(Gesture::ReleaseWithoutPress) << 0;
    }
}

// Buttons and painted words act on a real click only, and no press on them may
// reach the window, where it would start a drag.
void ClickAreasTest::clicksAreLeftPressAndReleaseInside() {
    QFETCH(bool, pictureBox);
    QFETCH(int, gesture);
    QFETCH(int, clicks);

    Surface surface;
    PictureBook book;
    int clicked = 0;
    const auto count = [&clicked] { ++clicked; };
    QWidget* area = nullptr;
    if (pictureBox) {
        area = new PictureBox(book, &surface);
        connect(static_cast<PictureBox*>(area), &PictureBox::clicked, this, count);
    } else {
        area = new HotSpot(&surface);
        connect(static_cast<HotSpot*>(area), &HotSpot::clicked, this, count);
    }
    area->setGeometry(10, 10, 30, 20);

    const QPoint inside(5, 5);
    switch (Gesture(gesture)) {
    case Gesture::LeftClick:
        QTest::mouseClick(area, Qt::LeftButton, {}, inside);
        break;
    case Gesture::RightClick:
        QTest::mouseClick(area, Qt::RightButton, {}, inside);
        break;
    case Gesture::ReleaseOutside:
        QTest::mousePress(area, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(35, 5));
        break;
    case Gesture::ReleaseWithoutPress:
        QTest::mouseRelease(area, Qt::LeftButton, {}, inside);
        break;
    }
    QCOMPARE(clicked, clicks);
    QCOMPARE(surface.presses, 0);
}

// Button pictures are drawn as they are from the top-left corner, and the
// words under hot spots belong to the window's picture and must stay visible.
void ClickAreasTest::pictureShowsUnscaledAndHotSpotNothing() {
    Surface surface;
    PictureBook book;
    QPixmap blue(4, 4);
    blue.fill(Qt::blue);
    auto* box = new PictureBox(book, &surface);
    box->setGeometry(10, 10, 30, 20);
    box->setPicture(book.Add(blue));
    (new HotSpot(&surface))->setGeometry(50, 50, 30, 20);

    const QImage shot = surface.grab().toImage();
    QCOMPARE(shot.pixelColor(10, 10), QColor(Qt::blue));
    QCOMPARE(shot.pixelColor(13, 13), QColor(Qt::blue));
    QCOMPARE(shot.pixelColor(14, 14), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(60, 60), QColor(Qt::red));
}

QTEST_MAIN(ClickAreasTest)
#include "click_areas_test.moc"
