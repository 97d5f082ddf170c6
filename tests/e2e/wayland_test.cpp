// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's shaped windows on a headless weston of the test's own, on a
// plain green desktop, photographed with its screenshooter. The environment
// names the program that shows the windows (ZORVIK_WAYLAND_WINDOWS).
#include "session.h"

using namespace Qt::StringLiterals;
using namespace zorvik::testkit;

class WaylandTest : public Session {
    Q_OBJECT
private slots:
    // On Wayland a mask only limits where clicks land: the rounded windows
    // must be translucent and paint only inside their outline, so that their
    // corners show what lies behind them, not a dark square.
    void shapedWindowsShowWhatLiesBehindTheirCorners() {
        QFile config(runtimeDir_.filePath(u"weston.ini"_s));
        QVERIFY(config.open(QIODevice::WriteOnly) &&
                config.write(
                    "[core]\nidle-time=0\n[shell]\npanel-position=none\n"
                    "background-color=0xff30c030\nanimation=none\nstartup-animation=none\n") > 0 &&
                config.flush());
        env_.insert(u"WAYLAND_DISPLAY"_s, u"wayland-zorvik-test"_s);
        env_.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
        // --debug lets the screenshooter take pictures.
        Launch(u"weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 "
               "--socket=wayland-zorvik-test --debug --config="_s +
                   config.fileName(),
               u"wayland-weston.log"_s);
        QImage desktop;
        QVERIFY2(Wait([&] { return (desktop = Settled()).pixel(0, 0) == qRgb(0x30, 0xc0, 0x30); }),
                 "weston shows no green desktop; see wayland-weston.log");

        QProcess& client = Launch(env_.value(u"ZORVIK_WAYLAND_WINDOWS"_s), u"wayland-client.log"_s);
        client.write("pause\n");
        QImage main;
        QVERIFY2(Wait([&] { return (main = Settled()) != desktop; }),
                 "no main window; see wayland-client.log");
        client.write("settings\n");
        QImage settings;
        QVERIFY2(Wait([&] { return (settings = Settled()) != main; }),
                 "no settings window; see wayland-client.log");
        main.save(u"wayland-main.png"_s);
        settings.save(u"wayland-settings.png"_s);

        // Each window against what lay behind it: its picture's size (nothing
        // painted in the window's margin), the corners, the inside.
        for (const auto& [before, after, size] : {std::tuple(desktop, main, QSize(799, 550)),
                                                  std::tuple(main, settings, QSize(428, 551))}) {
            const QRect box = Difference(before, after);
            QCOMPARE(box.size(), size);
            for (const QPoint corner :
                 {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
                QCOMPARE(after.pixel(corner), before.pixel(corner));
            }
            QVERIFY(after.pixel(box.center()) != before.pixel(box.center()));
        }
    }

private:
    // A picture of the desktop once it has stopped changing.
    QImage Settled() {
        QImage shot, previous;
        for (int i = 0; i < 20 && (shot.isNull() || shot != previous); ++i) {
            const auto png =
                Run(u"sh -c \"cd %1 && weston-screenshooter && cat *.png && rm *.png\""_s.arg(
                    runtimeDir_.path()));
            previous = std::exchange(shot, QImage::fromData(png.value_or("")));
            QTest::qWait(200);
        }
        return shot;
    }
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
