// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/tick_clock.h"

#include <QTest>
#include <chrono>
#include <thread>

using namespace zorvik;
using namespace std::chrono_literals;

class TickClockTest : public QObject {
    Q_OBJECT
private slots:
    // A program held up for a few ticks plays them as soon as it runs again,
    // in one go, so the game keeps its pace; held up for longer, it goes on
    // with one tick instead of sending the snakes leaping. A tick that stops
    // the clock, as an ending does, ends the ticks being made up.
    void heldUpTicksAreMadeUp() {
        // held up for, the tick that stops the clock (0: none), fewest and most ticks played
        const std::tuple<std::chrono::milliseconds, int, int, int> cases[] = {
            {210ms, 0, 8, 9}, {1000ms, 0, 1, 1}, {210ms, 2, 2, 2}};
        for (const auto& [holdUp, stopAfter, fewest, most] : cases) {
            TickClock clock(nullptr);
            int ticks = 0;
            connect(&clock, &TickClock::ticked, &clock, [&] {
                if (++ticks == stopAfter) {
                    clock.Stop();
                }
            });
            clock.SetInterval(25);
            clock.Start();
            std::this_thread::sleep_for(holdUp);
            QCoreApplication::processEvents(); // the one overdue firing
            QVERIFY2(ticks >= fewest && ticks <= most, qPrintable(QString::number(ticks)));
            QCOMPARE(clock.running(), stopAfter == 0);
        }
    }
};

QTEST_MAIN(TickClockTest)
#include "tick_clock_test.moc"
