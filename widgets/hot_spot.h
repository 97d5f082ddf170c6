// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/click_tracker.h"

#include <QWidget>

namespace zorvik {

// A rectangle that takes the clicks over its whole area: on its own an
// invisible one over a word painted in a window's background, and the base
// of the painted controls. Screen readers see it as a button when something
// listens to its clicks (widgets/accessible_control.h).
class HotSpot : public QWidget {
    Q_OBJECT
public:
    explicit HotSpot(QWidget* parent);

    // Whether a click does anything: pictures and names that only show
    // something take no clicks.
    bool TakesClicks() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker clicks_;
};

} // namespace zorvik
