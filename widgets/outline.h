// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QByteArray>
#include <QRect>
#include <QRegion>
#include <span>

namespace zorvik {

// One horizontal band of a rounded outline: rows top..bottom (exclusive),
// columns inset..width - inset (exclusive).
struct Band {
    int top;
    int bottom;
    int inset;
};

// Everything that shapes one borderless window, in the pixels of its
// picture: its size, the bands of its upper corners (the lower ones mirror
// them) and any extra rectangles outside the rounded shape.
struct WindowOutline {
    int width;
    int height;
    std::span<const Band> upperBands;
    std::span<const QRect> extras;
};

// Fills region-data bytes (a 32-byte header of little-endian 32-bit fields,
// then left, top, right, bottom per rectangle) for a rounded rectangle of
// the given size: the upper bands top to bottom, one full-width middle band,
// the mirrored lower bands, then any extra rectangles. The bounds run from
// the first band's top to the full width and height.
QByteArray BuildRegion(int width, int height, std::span<const Band> upperBands,
                       std::span<const QRect> extras = {});

// Turns region-data bytes into a region; an empty region when the bytes do
// not hold a well-formed rectangle list.
QRegion RegionFromBytes(const QByteArray& data);

} // namespace zorvik
