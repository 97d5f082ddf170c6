// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QPainterPath>

#include <span>
#include <vector>

namespace assetgen {

using zorvik::Band;

// The rounded outline of a borderless window: the bands of its upper
// corners, one full-width middle band, and the lower bands mirrored. The
// window takes exactly these pixels, so its picture must fill them and its
// corners must follow them: the picture paints the dark outline colour over
// the whole rectangle and its face inside a smooth line through the bands,
// so whatever the window cuts away is outline, never face.
class WindowShape {
public:
    WindowShape(int width, int height, std::span<const Band> upperBands);

    int width() const { return width_; }
    int height() const { return height_; }
    // A smooth line through the middle of every step of the bands' staircase,
    // for anti-aliased drawing that hugs the outline.
    QPainterPath contour() const;

private:
    int width_;
    int height_;
    std::vector<Band> upper_;
};

WindowShape mainWindowShape();
WindowShape settingsWindowShape();
// Row 0 lies outside the names dialog; the bottom edge of its Continue
// button, one row below the rounded shape, is drawn with the button.
WindowShape namesWindowShape();

} // namespace assetgen
