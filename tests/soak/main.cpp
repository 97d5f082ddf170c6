// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
// Plays the real game with random input for some minutes and prints what it
// saw; tests/soak/soak.sh runs it on a private X display and judges it.
#include "soak_player.h"
#include "tests/kit/opened_game.h"

#include <QApplication>
#include <QTextStream>
#include <chrono>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    // A seed given replays an earlier run; each run prints its own.
    const auto seed = argc > 2 ? QString::fromLocal8Bit(argv[2]).toUInt()
                               : static_cast<std::uint32_t>(
                                     std::chrono::system_clock::now().time_since_epoch().count());
    zorvik::testkit::OpenedGame game(seed);
    const zorvik::soak::SoakPlayer player(game.table, seed, minutes);
    QApplication::exec();

    const zorvik::soak::SoakReport& r = player.report();
    QTextStream out(stdout);
    out << "soak: seed " << seed << ", " << minutes << " minutes, " << r.actions << " actions, "
        << r.dialogsOpened << " dialogs, " << r.endScreensSeen << " end screens seen, "
        << r.padsPlugged << " pads plugged in, " << r.stuckWindows << " windows stuck\n";
    const double growth = r.endMiB - r.firstMinuteMiB;
    out << "soak: " << r.memory << " " << QString::number(r.firstMinuteMiB, 'f', 2)
        << " MiB after the first minute, " << QString::number(r.endMiB, 'f', 2)
        << " MiB at the end, grew " << QString::number(growth, 'f', 2)
        << " MiB (under 1 MiB passes)\n";
    const bool grew = r.firstMinuteMiB > 0 && growth >= 1.0;
    return r.stuckWindows == 0 && !grew ? 0 : 1;
}
