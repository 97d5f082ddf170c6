// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "tests/kit/game_access.h"
#include "tests/kit/player_keys.h"
#include "ui/end_screen.h"
#include "ui/main_window.h"
#include "widgets/picture_book.h"
#include "widgets/picture_box.h"

#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

namespace zorvik::testkit {

// Runs `open`, hands the modal window it shows to `act`, then closes it as the
// window manager would (hiding it should it refuse) so that `open` returns.
// Returns whether `act` closed it, or nothing when no modal window came up.
inline std::optional<bool> WhileModal(const std::function<void()>& open,
                                      const std::function<void(QWidget&)>& act) {
    std::optional<bool> closedByAct;
    QObject poll; // cancels the look if `open` returns without a modal window
    QTimer::singleShot(0, &poll, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(*modal);
            closedByAct = modal->isHidden();
            modal->close();
            modal->hide();
        }
    });
    open();
    return closedByAct;
}

// One tick of the game, as its clock plays one.
inline void Tick(MainWindow& window) {
    QMetaObject::invokeMethod(window.findChild<TickClock*>(QStringLiteral("gameClock")), "ticked");
}

inline void Click(QWidget& window, const QString& control) {
    QTest::mouseClick(window.findChild<QWidget*>(control), Qt::LeftButton);
}

inline Picture Shown(QWidget& window, const QString& pictureBox) {
    return window.findChild<PictureBox*>(pictureBox)->picture();
}

// The whole text of a label, a name label's included.
inline QString Text(QWidget& window, const QString& label) {
    return window.findChild<QWidget*>(label)->property("text").toString();
}

// The main window as the player sees it, on a fixed seed unless given one.
struct OpenedGame {
    explicit OpenedGame(std::uint32_t seed = 1) : table(book, seed) { table.show(); }
    // Paused, and the pause button shows play.
    bool Paused() { return !table.TimerEnabled() && Shown(table, "pauseButton") != runningPicture; }
    std::optional<bool> Open(const QString& control, const std::function<void(QWidget&)>& act) {
        return WhileModal([&] { Click(table, control); }, act);
    }
    // Clicks the choices in the settings window, then Yes: the next game's set-up.
    void Choose(std::initializer_list<const char*> choices) {
        for (const char* choice : choices) {
            Click(table.settings(), choice);
        }
        Click(table.settings(), "yesButton");
    }

    PictureBook book;
    MainWindow table;
    const SnakeGame& game = table.game();
    // Reaches into the window's game to set up positions.
    GameAccess access{const_cast<SnakeGame&>(table.game())};
    const Picture runningPicture = Shown(table, "pauseButton");
};

// Hands `look` every window of the game with its name: the main window, the
// dialogs its controls open, and the end screens (not shown) of a level, a
// campaign, a classic game and a game lost.
inline void EveryWindow(OpenedGame& main,
                        const std::function<void(const QString&, QWidget&)>& look) {
    look(QStringLiteral("main"), main.table);
    const std::pair<const char*, const char*> dialogs[] = {
        {"setupWord", "settings"}, {"player1Name", "names"}, {"helpButton", "help"}};
    for (const auto& [control, name] : dialogs) {
        main.Open(QLatin1String(control),
                  [&, name = name](QWidget& window) { look(QLatin1String(name), window); });
    }
    const std::pair<const char*, EndScreenContent> endings[] = {
        {"level", {EndPicture::NextLevel, 3, {}}},
        {"campaign", {EndPicture::CampaignWon, {}, {}}},
        {"classic", {EndPicture::ClassicWon, {}, {}}},
        {"over", {EndPicture::GameOver, {}, EndMessage{Outcome::Collided, 1, 2}}}};
    for (const auto& [name, content] : endings) {
        EndScreen end(content, {QStringLiteral("Ann"), QStringLiteral("Bob")}, &main.table);
        look(QLatin1String(name), end);
    }
}

} // namespace zorvik::testkit
