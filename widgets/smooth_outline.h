// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QPainterPath>
#include <QRegion>
#include <span>

namespace zorvik {

// A smooth closed line through the middle of every step of a rounded
// outline's staircase of bands: what anti-aliased drawing follows.
QPainterPath SmoothContour(int width, int height, std::span<const Band> upperBands);

// The smooth contour of a window with its extra rectangles.
QPainterPath SmoothOutline(const WindowOutline& outline);

// The outline in device pixels for a screen of the given device pixel
// ratio. At 1 it is exactly the bands; at any other ratio it is the pixels
// whose centres lie inside the smooth outline, so that the corners stay
// round instead of becoming the 1x staircase enlarged.
QRegion OutlineAtRatio(const WindowOutline& outline, qreal devicePixelRatio);

} // namespace zorvik
