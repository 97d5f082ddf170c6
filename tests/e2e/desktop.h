// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "x_session.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

namespace zorvik::e2e {

// An X window's id, as xdotool prints it.
using WindowId = QString;

// What a player does at the screen, done with xdotool and ImageMagick: find
// windows, click, type, look.
class Desktop {
public:
    explicit Desktop(XSession& session) : session_(session) {}

    // The visible window titled exactly `title`, waiting up to the timeout
    // for it to appear.
    std::optional<WindowId> WaitForWindow(const QString& title, int timeoutMs);
    // Whether a window titled exactly `title` is visible now.
    bool WindowShown(const QString& title);
    // The window's client area on the screen.
    std::optional<QRect> Geometry(const WindowId& window);

    // Left click at a point given relative to the window.
    bool Click(const WindowId& window, QPoint at);
    // Gives the window the keyboard and waits until it has it.
    bool Activate(const WindowId& window);
    // Types text, or presses keys such as "Down" or "ctrl+a", into the
    // window that has the keyboard.
    bool Type(const QString& text);
    bool Key(const QString& keys);

    // The screen inside `area`; a null image if the grab failed.
    QImage Grab(const QRect& area);

private:
    ToolResult Xdotool(const QStringList& arguments, int timeoutMs = 10000);
    std::optional<WindowId> ActiveWindow();

    XSession& session_;
};

} // namespace zorvik::e2e
