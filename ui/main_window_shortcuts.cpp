// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/main_window.h"

#include <QKeyEvent>

namespace zorvik {

// The main window's few shortcuts. None uses a player's key, and Ctrl joins
// only P: player 1 holds Ctrl to bite while player 2 presses W, A, S and D,
// so Ctrl with any of those must steer and bite, never quit or close. A held
// P repeats, which must not toggle the pause over and over; nor may M toggle
// the sound.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    struct Shortcut {
        int key;
        Qt::KeyboardModifiers modifiers;
        void (MainWindow::*action)();
    };
    static constexpr Shortcut kShortcuts[] = {
        {Qt::Key_P, Qt::NoModifier, &MainWindow::PauseClicked},
        {Qt::Key_P, Qt::ControlModifier, &MainWindow::PauseClicked},
        {Qt::Key_Pause, Qt::NoModifier, &MainWindow::PauseClicked},
        {Qt::Key_F1, Qt::NoModifier, &MainWindow::HelpClicked},
        {Qt::Key_M, Qt::NoModifier, &MainWindow::ToggleSound},
    };
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    for (const Shortcut& shortcut : kShortcuts) {
        if (event->key() == shortcut.key && modifiers == shortcut.modifiers) {
            if (!event->isAutoRepeat()) {
                (this->*shortcut.action)();
            }
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace zorvik
