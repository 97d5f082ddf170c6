// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/click_tracker.h"

#include <QMouseEvent>
#include <QRect>
#include <utility>

namespace zorvik {

void ClickTracker::Press(QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) {
        pressed_ = true;
    }
    event.accept();
}

bool ClickTracker::IsClick(const QMouseEvent& release, const QRect& area) {
    if (release.button() != Qt::LeftButton) {
        return false;
    }
    // A release that follows no press here (the end of a click that closed the
    // window above, say) is no click.
    return std::exchange(pressed_, false) && area.contains(release.position().toPoint());
}

} // namespace zorvik
