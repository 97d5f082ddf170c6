// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/smooth_outline.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <vector>

namespace zorvik {

QPainterPath SmoothContour(int width, int height, std::span<const Band> upperBands) {
    std::vector<Band> bands(upperBands.begin(), upperBands.end());
    const int middleTop = upperBands.back().bottom;
    bands.push_back({middleTop, height - middleTop, 0});
    for (auto band = upperBands.rbegin(); band != upperBands.rend(); ++band) {
        bands.push_back({height - band->bottom, height - band->top, band->inset});
    }
    // The line runs through the middle of each band's end, except that the
    // first and last bands lie flat along the top and bottom edges, as the
    // middle band lies along the sides.
    QPolygonF left;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        const qreal y = i == 0                  ? band.top
                        : i + 1 == bands.size() ? band.bottom
                                                : (band.top + band.bottom) / 2.0;
        left << QPointF(band.inset, y);
        if (i + 1 < bands.size()) {
            left << QPointF((band.inset + bands[i + 1].inset) / 2.0, band.bottom);
        }
    }
    QPolygonF outline;
    outline << QPointF(width / 2.0, bands.front().top);
    outline << left;
    outline << QPointF(width / 2.0, bands.back().bottom);
    for (auto point = left.crbegin(); point != left.crend(); ++point) {
        outline << QPointF(width - point->x(), point->y());
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPainterPath SmoothOutline(const WindowOutline& outline) {
    QPainterPath path = SmoothContour(outline.width, outline.height, outline.upperBands);
    for (const QRect& extra : outline.extras) {
        QPainterPath rectangle;
        rectangle.addRect(extra);
        path = path.united(rectangle);
    }
    return path;
}

QRegion OutlineAtRatio(const WindowOutline& outline, qreal devicePixelRatio) {
    if (qFuzzyCompare(devicePixelRatio, 1.0)) {
        return RegionFromBytes(
            BuildRegion(outline.width, outline.height, outline.upperBands, outline.extras));
    }
    const QSize device(int(std::ceil(outline.width * devicePixelRatio)),
                       int(std::ceil(outline.height * devicePixelRatio)));
    QImage inside(device, QImage::Format_ARGB32_Premultiplied);
    inside.fill(Qt::transparent);
    {
        // Without anti-aliasing a pixel is filled when its centre lies inside.
        QPainter painter(&inside);
        painter.scale(devicePixelRatio, devicePixelRatio);
        painter.fillPath(SmoothOutline(outline), Qt::black);
    }
    return QRegion(QBitmap::fromImage(inside.createAlphaMask()));
}

} // namespace zorvik
