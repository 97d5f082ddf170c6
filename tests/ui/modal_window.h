// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "ui/elided_label.h"
#include "ui/end_screen.h"
#include "ui/shell/picture_book.h"
#include "ui/snake_table.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace zorvik::testing {

// Runs `open`, which shows a modal window, and hands that window to `act`
// from inside its event loop. Whatever `act` leaves open (after a failed
// check, say) is closed, so that `open` returns. Returns whether a modal
// window came up at all.
inline bool WhileModal(const std::function<void()>& open,
                       const std::function<void(QWidget&)>& act) {
    bool cameUp = false;
    QTimer poll;
    poll.setSingleShot(true);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            cameUp = true;
            const QPointer<QWidget> shown = modal;
            act(*modal);
            if (shown && shown->isVisible()) {
                shown->close();
            }
        }
    });
    poll.start(0);
    open();
    return cameUp;
}

// Clicks a control of a window, left button, at its centre.
inline void Click(QWidget& window, const char* control) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control));
    QVERIFY2(widget != nullptr, control);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// The main window as the player sees it, on a fixed seed.
struct MainWindow {
    MainWindow() : table(std::make_unique<SnakeTable>(book, 1)) {
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
    }

    template <typename T = QWidget> T* Control(const char* name) const {
        return table->findChild<T*>(QString::fromLatin1(name));
    }

    // Opens a window through a control of the main window.
    bool Open(const char* control, const std::function<void(QWidget&)>& act) {
        return WhileModal([&] { Click(*table, control); }, act);
    }

    // Crashes one player's snake into itself in a two-player game and
    // returns the end screen's message.
    QString EndMessageAfterCrash(int crasher) {
        SnakeGame& game = table->game();
        game.OnePlayer = false;
        game.Reset();
        if (crasher == 1) {
            game.Snake1.at(game.Snake1Head) = game.Snake1.at(0);
        } else {
            game.Snake2.at(game.Snake2Head) = game.Snake2.at(0);
        }
        QString message;
        const bool shown = WhileModal([&] { game.Collide(); },
                                      [&](QWidget& modal) {
                                          if (auto* end = qobject_cast<EndScreen*>(&modal)) {
                                              message = end->messageLabel()->text();
                                          }
                                          modal.close();
                                      });
        return shown ? message : QStringLiteral("<no end screen>");
    }

    PictureBook book;
    std::unique_ptr<SnakeTable> table;
};

} // namespace zorvik::testing
