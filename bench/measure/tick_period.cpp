// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Plays the real main window on the current display, two players, and times
// its game timer: the mean, median, 95th and 99th percentile of the period
// between two ticks, at the fastest speed and at the first one. The mean is
// what the players feel: the game's pace over the whole run.
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
#include <numeric>
#include <vector>

namespace {

struct Run {
    int interval;
    std::size_t periods;
};
constexpr std::array kRuns{Run{25, 800}, Run{150, 200}};
// Time for the window to appear and settle before the first measurement.
constexpr int kSettleMilliseconds = 500;

// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size()));
    return sorted.at(std::min(rank, sorted.size() - 1));
}

// Records the ticks of one interval after another, prints each interval's
// figures, and ends the application after the last one.
class TickRecorder {
public:
    TickRecorder(zorvik::MainWindow& table, const QTimer& timer) : table_(table), timer_(timer) {}

    void Start() {
        QObject::connect(&timer_, &QTimer::timeout, &table_, [this] { OnTick(); });
        Begin(0);
    }

    void OnTick() {
        stamps_.push_back(clock_.nsecsElapsed());
        if (stamps_.size() <= kRuns.at(current_).periods) {
            return;
        }
        Report();
        if (current_ + 1 < kRuns.size()) {
            Begin(current_ + 1);
        } else {
            QCoreApplication::exit(0);
        }
    }

    // The expected length of the whole measurement, for a watchdog.
    static int ExpectedMilliseconds() {
        int total = kSettleMilliseconds;
        for (const Run& run : kRuns) {
            total += run.interval * static_cast<int>(run.periods + 1);
        }
        return total;
    }

private:
    void Begin(std::size_t index) {
        current_ = index;
        stamps_.clear();
        table_.SetTimerInterval(kRuns.at(index).interval);
        clock_.start();
        if (!timer_.isActive()) {
            std::fprintf(stderr, "the game is paused: its window lost the keyboard\n");
            QCoreApplication::exit(1);
        }
    }

    void Report() const {
        std::vector<double> periods;
        for (std::size_t i = 1; i < stamps_.size(); ++i) {
            periods.push_back(static_cast<double>(stamps_[i] - stamps_[i - 1]) / 1e6);
        }
        std::sort(periods.begin(), periods.end());
        const double mean = std::accumulate(periods.begin(), periods.end(), 0.0) /
                            static_cast<double>(periods.size());
        std::printf("tick period at %d ms: mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, "
                    "99th percentile %.2f ms, max %.2f ms over %zu ticks\n",
                    kRuns.at(current_).interval, mean, Percentile(periods, 0.5),
                    Percentile(periods, 0.95), Percentile(periods, 0.99), periods.back(),
                    periods.size());
        std::fflush(stdout);
    }

    zorvik::MainWindow& table_;
    const QTimer& timer_;
    QElapsedTimer clock_;
    std::vector<qint64> stamps_;
    std::size_t current_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zorvik::PictureBook book;
    zorvik::MainWindow table(book, 1);
    table.show();
    // The player picture of the settings window makes it a two-player game.
    emit table.settings()
        .findChild<zorvik::PictureBox*>(QStringLiteral("playersPicture"))
        ->clicked();

    const auto* timer = table.findChild<QTimer*>(QStringLiteral("gameTimer"));
    if (timer == nullptr) {
        std::fprintf(stderr, "the main window has no timer named gameTimer\n");
        return 1;
    }
    TickRecorder recorder(table, *timer);
    QTimer::singleShot(kSettleMilliseconds, [&recorder] { recorder.Start(); });
    // A game that stops ticking (an end screen, a pause) must not hang the run.
    QTimer::singleShot(2 * TickRecorder::ExpectedMilliseconds(), [timer] {
        const QWidget* modal = QApplication::activeModalWidget();
        std::fprintf(stderr, "the game stopped ticking: its timer is %s, %s\n",
                     timer->isActive() ? "on" : "off",
                     modal != nullptr ? "an end screen is up"
                     : QGuiApplication::applicationState() == Qt::ApplicationActive
                         ? "its window has the keyboard"
                         : "its window lost the keyboard");
        QCoreApplication::exit(1);
    });
    return QApplication::exec();
}
