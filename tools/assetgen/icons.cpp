// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's icon at every size a desktop asks for. Each size is painted for
// its own pixels, never scaled from another: the small sizes show a bolder
// Z-shaped snake that still reads at 16 pixels, the large ones the full
// emblem of the main window.
#include "asset_writer.h"
#include "canvas.h"
#include "emblem.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

// The hicolor theme's sizes for an application icon.
constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
// From this size on, the full emblem's detail reads.
constexpr int emblemSize = 64;

// The emblem drawn bolder, in a 32-unit square: a thicker ring and body and
// a larger head.
void paintBoldEmblem(QPainter& painter) {
    painter.translate(16, 16);
    painter.setPen(Qt::NoPen);
    QLinearGradient ring(0, -16, 0, 16);
    ring.setColorAt(0.0, QColor(255, 236, 160));
    ring.setColorAt(1.0, QColor(170, 104, 10));
    painter.setBrush(ring);
    painter.drawEllipse(QPointF(0, 0), 16, 16);
    QRadialGradient night(QPointF(0, 0), 14, QPointF(-4, -6));
    night.setColorAt(0.0, QColor(70, 100, 190));
    night.setColorAt(1.0, palette::navyDeep);
    painter.setBrush(night);
    painter.drawEllipse(QPointF(0, 0), 13.6, 13.6);
    // The tongue stays on the disc, off the ring.
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 13.6, 13.6);
    painter.setClipPath(disc);

    QPainterPath body;
    body.moveTo(-8.5, -7);
    body.lineTo(3, -7);
    body.cubicTo(8, -7, 8.5, -3.5, 5.5, -1.5);
    body.lineTo(-4.5, 4.2);
    body.cubicTo(-8, 6.5, -6.5, 7.5, -3.5, 7.5);
    body.lineTo(2.5, 7.5);
    const TubeStyle style{QColor(76, 200, 76), QColor(40, 130, 46), 0.0,
                          [](qreal t) { return 1.2 + 1.5 * std::min(1.0, t * 2.5); }};
    paintTube(painter, body, style);
    paintSnakeHead(painter, QPointF(5.2, 7.5), 7.5, 0, QColor(90, 210, 90));
}

QImage paintIcon(int size) {
    QImage image = canvas(size, size);
    QPainter painter(&image);
    smooth(painter);
    if (size >= emblemSize) {
        // Room below the disc for its shadow.
        const qreal radius = size * 0.45;
        paintEmblem(painter, QPointF(size / 2.0, size * 0.48), radius);
    } else {
        painter.scale(size / 32.0, size / 32.0);
        paintBoldEmblem(painter);
    }
    return image;
}

} // namespace

void writeIcons(AssetWriter& out) {
    for (const int size : iconSizes) {
        out.write(QStringLiteral("icons/icon-%1.png").arg(size), paintIcon(size));
    }
}

} // namespace assetgen
