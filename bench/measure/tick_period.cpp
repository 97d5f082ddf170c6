// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Plays the real main window on the current display, two players, while
// bench/measure.sh steers both snakes with key events, and records the
// game's ticks, not its timer's firings: at the fastest speed and at the
// first one, for PLAY_SECONDS each. The mean period is what the players
// feel, the game's pace over the whole run; a late firing whose ticks the
// clock made up shows as a long period followed by very short ones. An end
// screen is dismissed as a player would, and the time it was up is left out.
//
// Usage: zorvik_tick_period [PLAY_SECONDS]; it prints "ready" once the game
// runs at the first speed measured, so the steering can begin.
#include "settings/settings_window.h"
#include "ui/main_window.h"
#include "widgets/picture_book.h"
#include "widgets/picture_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

// The speeds measured: a tick's length and the settings window's segment
// that sets it, as a player clicks it.
struct Speed {
    int interval;
    int segment;
};
constexpr std::array kSpeeds{Speed{25, 6}, Speed{150, 2}};
// Time for the window to appear and settle before the first measurement.
constexpr int kSettleMilliseconds = 1000;
// Longer without a tick, outside an end screen, the game has stopped.
constexpr qint64 kStalledNanoseconds = 5'000'000'000;

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size()));
    return sorted.at(std::min(rank, sorted.size() - 1));
}

// Records the ticks of one interval after another, prints each interval's
// figures, and ends the application after the last one.
class TickRecorder {
public:
    TickRecorder(zorvik::MainWindow& table, qint64 playNanoseconds)
        : table_(table), playNanoseconds_(playNanoseconds) {
        clock_.start();
    }

    void Start() {
        const auto* clock = table_.findChild<zorvik::TickClock*>(QStringLiteral("gameClock"));
        QObject::connect(clock, &zorvik::TickClock::ticked, &table_, [this] { OnTick(); });
        QObject::connect(&watch_, &QTimer::timeout, &table_, [this] { Watch(); });
        watch_.start(100);
        Begin(0);
        std::printf("ready\n");
        std::fflush(stdout);
    }

private:
    void Begin(std::size_t index) {
        current_ = index;
        periods_.clear();
        played_ = 0;
        spanBroken_ = true;
        Click(QStringLiteral("speedSegment%1").arg(kSpeeds.at(index).segment));
        if (table_.TimerInterval() != kSpeeds.at(index).interval) {
            Fail("the speed segment set another speed");
        }
        if (!table_.TimerEnabled()) {
            Fail("the game is paused: its window lost the keyboard");
        }
    }

    void OnTick() {
        const qint64 now = clock_.nsecsElapsed();
        if (!spanBroken_) {
            periods_.push_back(static_cast<double>(now - lastTick_) / 1e6);
            played_ += now - lastTick_;
        }
        spanBroken_ = false;
        lastTick_ = now;
        if (played_ < playNanoseconds_) {
            return;
        }
        Report();
        if (current_ + 1 < kSpeeds.size()) {
            Begin(current_ + 1);
        } else {
            QCoreApplication::exit(0);
        }
    }

    // Dismisses an end screen as a player would, leaving its time out, and
    // stops a game that no longer ticks.
    void Watch() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            spanBroken_ = true;
            ++endScreens_;
            modal->close();
        } else if (clock_.nsecsElapsed() - lastTick_ > kStalledNanoseconds) {
            Fail(table_.TimerEnabled() ? "the game stopped ticking"
                                       : "the game is paused: its window lost the keyboard");
        }
    }

    void Report() const {
        std::vector<double> sorted = periods_;
        std::sort(sorted.begin(), sorted.end());
        const double mean =
            std::accumulate(sorted.begin(), sorted.end(), 0.0) / static_cast<double>(sorted.size());
        const auto late = std::count_if(sorted.begin(), sorted.end(), [this](double period) {
            return period >= 1.5 * kSpeeds.at(current_).interval;
        });
        std::printf("tick period at %d ms over %.0f s of play: mean %.3f ms, median %.2f ms, 95th "
                    "percentile %.2f ms, 99th percentile %.2f ms, longest %.1f ms; %zu ticks, %td "
                    "late by an interval or more and made up, %d end screens left out\n",
                    kSpeeds.at(current_).interval, static_cast<double>(played_) / 1e9, mean,
                    Percentile(sorted, 0.5), Percentile(sorted, 0.95), Percentile(sorted, 0.99),
                    sorted.back(), sorted.size(), late, endScreens_);
        std::fflush(stdout);
    }

    void Click(const QString& control) const {
        emit table_.settings().findChild<zorvik::PictureBox*>(control)->clicked();
    }

    [[noreturn]] static void Fail(const char* why) {
        std::fprintf(stderr, "%s\n", why);
        std::fflush(stderr);
        std::_Exit(1);
    }

    zorvik::MainWindow& table_;
    const qint64 playNanoseconds_;
    QTimer watch_;
    QElapsedTimer clock_;
    std::vector<double> periods_;
    qint64 lastTick_ = 0;
    qint64 played_ = 0;
    bool spanBroken_ = true;
    int endScreens_ = 0;
    std::size_t current_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int playSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 90;
    zorvik::PictureBook book;
    zorvik::MainWindow table(book, 1);
    table.show();
    // The player picture of the settings window makes it a two-player game.
    emit table.settings()
        .findChild<zorvik::PictureBox*>(QStringLiteral("playersPicture"))
        ->clicked();
    TickRecorder recorder(table, qint64{playSeconds} * 1'000'000'000);
    QTimer::singleShot(kSettleMilliseconds, [&recorder] { recorder.Start(); });
    return QApplication::exec();
}
