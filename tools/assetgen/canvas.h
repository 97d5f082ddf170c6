// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace assetgen {

// Every picture is painted in its logical pixels and comes out at the paint
// scale: 1 for the ordinary pictures, 2 for their "@2x" twins on HiDPI
// screens. The canvas carries the scale as its device pixel ratio, so a
// painter on it draws in logical pixels.
void setPaintScale(int scale);
int paintScale();

// A transparent canvas (or one filled with a colour) ready for QPainter,
// width by height logical pixels at the paint scale.
QImage canvas(int width, int height, const QColor& fill = Qt::transparent);

// The part of a canvas under a rectangle in logical pixels.
QImage crop(const QImage& image, const QRect& logical);

} // namespace assetgen
