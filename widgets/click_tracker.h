// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

class QMouseEvent;
class QRect;

namespace zorvik {

// Tells the clicks on a widget apart from its other presses and releases: a
// click is a left-button release inside the widget after a left press on it.
class ClickTracker {
public:
    // Takes every press, so that it never reaches the window below (where a
    // press would start a drag).
    void Press(QMouseEvent& event);
    bool IsClick(const QMouseEvent& release, const QRect& area);

private:
    bool pressed_ = false;
};

} // namespace zorvik
