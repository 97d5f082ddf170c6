// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "window_shape.h"

#include <QPolygonF>

#include <utility>

namespace assetgen {

WindowShape::WindowShape(int width, int height, std::vector<Band> upperBands)
    : width_(width), height_(height), upper_(std::move(upperBands)) {}

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
    return WindowShape(799, 550,
                       {{0, 1, 20},
                        {1, 2, 16},
                        {2, 3, 13},
                        {3, 4, 10},
                        {4, 5, 9},
                        {5, 6, 7},
                        {6, 8, 6},
                        {8, 9, 5},
                        {9, 11, 4},
                        {11, 13, 3},
                        {13, 16, 2},
                        {16, 21, 1}});
}

WindowShape settingsWindowShape() {
    return WindowShape(428, 508,
                       {{0, 1, 42},   {1, 2, 37},   {2, 3, 33},   {3, 4, 31},   {4, 5, 28},
                        {5, 6, 26},   {6, 7, 24},   {7, 8, 23},   {8, 9, 21},   {9, 10, 20},
                        {10, 11, 18}, {11, 12, 17}, {12, 13, 16}, {13, 14, 15}, {14, 15, 14},
                        {15, 16, 13}, {16, 18, 12}, {18, 19, 11}, {19, 21, 10}, {21, 22, 9},
                        {22, 24, 8},  {24, 26, 7},  {26, 28, 6},  {28, 31, 5},  {31, 33, 4},
                        {33, 37, 3},  {37, 41, 2},  {41, 47, 1}});
}

WindowShape namesWindowShape() {
    return WindowShape(
        358, 152, {{1, 2, 34},   {2, 3, 29},  {3, 4, 26},  {4, 5, 24},   {5, 6, 22},   {6, 7, 20},
                   {7, 8, 18},   {8, 9, 16},  {9, 10, 15}, {10, 11, 14}, {11, 12, 12}, {12, 13, 11},
                   {13, 14, 10}, {14, 15, 9}, {15, 17, 8}, {17, 18, 7},  {18, 19, 6},  {19, 21, 5},
                   {21, 23, 4},  {23, 25, 3}, {25, 27, 2}, {27, 31, 1}});
}

} // namespace assetgen
