// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "emblem.h"

#include "canvas.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace assetgen {

using namespace zorvik::paintkit;

void paintEmblem(QPainter& painter, const QPointF& centre, qreal radius) {
    painter.save();
    painter.translate(centre);
    painter.scale(radius / 50.0, radius / 50.0);
    painter.setPen(Qt::NoPen);

    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 50, 50);
    paintShadow(painter, disc, QPointF(0, 3), 5, QColor(0, 0, 10, 150));

    QLinearGradient ring(0, -50, 0, 50);
    ring.setColorAt(0.0, QColor(255, 236, 160));
    ring.setColorAt(0.45, QColor(232, 170, 40));
    ring.setColorAt(1.0, QColor(150, 90, 10));
    painter.setBrush(ring);
    painter.drawEllipse(QPointF(0, 0), 50, 50);

    QLinearGradient groove(0, -44, 0, 44);
    groove.setColorAt(0.0, QColor(120, 70, 0));
    groove.setColorAt(1.0, QColor(255, 226, 140));
    painter.setBrush(groove);
    painter.drawEllipse(QPointF(0, 0), 44.5, 44.5);

    QRadialGradient night(QPointF(0, 0), 43, QPointF(-12, -18));
    night.setColorAt(0.0, QColor(70, 100, 190));
    night.setColorAt(0.6, palette::navy);
    night.setColorAt(1.0, palette::navyDeep);
    painter.setBrush(night);
    painter.drawEllipse(QPointF(0, 0), 43, 43);

    // The snake: tail at the upper left, along the top, down the diagonal,
    // along the bottom to the head on the right.
    QPainterPath body;
    body.moveTo(-27, -20);
    body.lineTo(11, -20);
    body.cubicTo(21, -20, 23, -12, 16, -6);
    body.lineTo(-15, 13);
    body.cubicTo(-22, 18, -19, 21, -11, 21);
    body.lineTo(12, 21);
    const TubeStyle style{QColor(70, 196, 72), QColor(28, 110, 40), 0.09,
                          [](qreal t) { return 2.0 + 4.6 * std::min(1.0, t * 2.2); }};
    paintTube(painter, body, style);
    paintSnakeHead(painter, QPointF(19, 21), 19, 0, QColor(80, 200, 80));

    // Glass over the upper half of the disc.
    QPainterPath glass;
    glass.addEllipse(QRectF(-34, -41, 68, 40));
    QLinearGradient shine(0, -41, 0, -1);
    shine.setColorAt(0.0, QColor(255, 255, 255, 110));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(glass, shine);
    painter.restore();
}

} // namespace assetgen
