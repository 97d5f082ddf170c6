// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/kit/opened_game.h"

#include "widgets/shaped_window.h"
#include "widgets/smooth_outline.h"
#include "widgets/window_outlines.h"

#include <QLabel>
#include <QScreen>
#include <qpa/qplatformwindow.h>
#include <ranges>

using namespace zorvik;
using namespace zorvik::testkit;

// Runs on two screens, an ordinary one and one at twice its pixel ratio.
class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    // Moved to a screen of another pixel ratio, the main window keeps its
    // size and shape in logical pixels, so it grows in device pixels with a
    // mask made anew at the device resolution; otherwise a quarter of it
    // would show at the new ratio, cut by the old mask. The help window, made
    // once, draws its pictures for the main window's screen at every opening:
    // they stay sharp there, and light elsewhere.
    void theWindowFollowsItsScreen() {
        OpenedGame main;
        QWindow& window = *main.table.windowHandle();
        const auto& shape = *main.table.findChild<ShapedWindow*>();
        QCOMPARE(QGuiApplication::screens().size(), 2);
        for (QScreen* screen : QGuiApplication::screens() | std::views::reverse) {
            window.setScreen(screen);
            const qreal ratio = screen->devicePixelRatio();
            QTRY_COMPARE(shape.platformMask(), OutlineAtRatio(MainWindowOutline(), ratio));
            // At 1x every corner is as round as the others: the mask mirrors both ways.
            const QRegion& mask = shape.platformMask();
            const QRect bounds = mask.boundingRect();
            QRegion sideways, upsideDown;
            for (const QRect& r : mask) {
                sideways += r.translated(bounds.left() + bounds.right() - r.left() - r.right(), 0);
                upsideDown +=
                    r.translated(0, bounds.top() + bounds.bottom() - r.top() - r.bottom());
            }
            QVERIFY(ratio != 1 || (sideways == mask && upsideDown == mask));
            QCOMPARE(window.handle()->geometry().size(), QSize(801, 551) * ratio);
            QCOMPARE(main.table.size(), QSize(801, 551));
            qreal helpDrawnAt = 0;
            main.Open("helpButton", [&](QWidget& help) {
                helpDrawnAt = help.findChild<QLabel*>("keys")->pixmap().devicePixelRatio();
            });
            QCOMPARE(helpDrawnAt, ratio);
        }
    }
};

QTEST_MAIN(ScreensTest)
#include "screens_test.moc"
