// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/hot_spot.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace zorvik {

// Paints nothing, so the word in the window's background shows through.
HotSpot::HotSpot(QWidget* parent) : QWidget(parent) {}

bool HotSpot::TakesClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&HotSpot::clicked));
}

void HotSpot::mousePressEvent(QMouseEvent* event) {
    clicks_.Press(*event);
}

void HotSpot::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.IsClick(*event, rect())) {
        emit clicked();
    }
}

} // namespace zorvik
