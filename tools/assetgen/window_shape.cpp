// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "window_shape.h"

#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/settings_layout.h"
#include "widgets/smooth_outline.h"

namespace assetgen {

WindowShape::WindowShape(int width, int height, std::span<const Band> upperBands)
    : width_(width), height_(height), upper_(upperBands.begin(), upperBands.end()) {}

QPainterPath WindowShape::contour() const {
    return zorvik::SmoothContour(width_, height_, upper_);
}

namespace {
template <typename Bands> WindowShape ShapeOf(QSize size, const Bands& bands) {
    return WindowShape(size.width(), size.height(), bands);
}
} // namespace

WindowShape mainWindowShape() {
    using namespace zorvik::layout::mainwindow;
    return ShapeOf(kBackground, kOutlineBands);
}

WindowShape settingsWindowShape() {
    using namespace zorvik::layout::settings;
    return ShapeOf(kBackground, kOutlineBands);
}

WindowShape namesWindowShape() {
    using namespace zorvik::layout::names;
    return ShapeOf(kBackground, kOutlineBands);
}

} // namespace assetgen
