// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "window_shape.h"

#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/settings_layout.h"

#include <QPolygonF>

namespace assetgen {

WindowShape::WindowShape(int width, int height, std::span<const Band> upperBands)
    : width_(width), height_(height), upper_(upperBands.begin(), upperBands.end()) {}

std::vector<Band> WindowShape::allBands() const {
    std::vector<Band> bands = upper_;
    const int middleTop = upper_.back().bottom;
    bands.push_back({middleTop, height_ - middleTop, 0});
    for (auto band = upper_.rbegin(); band != upper_.rend(); ++band)
        bands.push_back({height_ - band->bottom, height_ - band->top, band->inset});
    return bands;
}

QPainterPath WindowShape::contour() const {
    const std::vector<Band> bands = allBands();
    QPolygonF left;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        left << QPointF(band.inset, (band.top + band.bottom) / 2.0);
        if (i + 1 < bands.size())
            left << QPointF((band.inset + bands[i + 1].inset) / 2.0, band.bottom);
    }
    QPolygonF outline;
    outline << QPointF(width_ / 2.0, bands.front().top);
    outline << left;
    outline << QPointF(width_ / 2.0, bands.back().bottom);
    for (auto point = left.crbegin(); point != left.crend(); ++point)
        outline << QPointF(width_ - point->x(), point->y());
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
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
