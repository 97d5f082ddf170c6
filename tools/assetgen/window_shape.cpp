// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "window_shape.h"

#include "widgets/window_outlines.h"

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

WindowShape mainWindowShape() {
    return WindowShape(799, 550, zorvik::MainWindowBands());
}

WindowShape settingsWindowShape() {
    return WindowShape(428, 508, zorvik::SettingsBands());
}

WindowShape namesWindowShape() {
    return WindowShape(358, 152, zorvik::NamesBands());
}

} // namespace assetgen
