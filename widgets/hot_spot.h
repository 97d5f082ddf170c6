// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/click_tracker.h"

#include <QWidget>

namespace zorvik {

// An invisible rectangle over a word painted in a window's background that
// takes the clicks over its whole area.
class HotSpot : public QWidget {
    Q_OBJECT
public:
    explicit HotSpot(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker clicks_;
};

} // namespace zorvik
