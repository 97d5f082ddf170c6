// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include <functional>

class QPainter;

// Drawing helpers shared by every picture of the game and by the words the
// windows draw over them: one palette, one light direction (from the upper
// left), one way of shading balls, tiles and tubes. A painter draws in
// logical pixels on a device of any pixel ratio.
namespace zorvik::paintkit {

namespace palette {
inline const QColor navyDeep{14, 22, 56};
inline const QColor navy{28, 44, 104};
inline const QColor buttonBlue{58, 88, 178};
inline const QColor lavenderPanel{192, 192, 255};
inline const QColor lavenderPale{232, 232, 255};
inline const QColor ink{24, 28, 70};
// The lettering of words that act as buttons on blue.
inline const QColor gold{255, 214, 96};
inline const QColor snakeGreen{52, 176, 64};
} // namespace palette

// Turns on anti-aliasing for shapes and text.
void smooth(QPainter& painter);

// t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, qreal t);

// A glossy sphere filling the rectangle, lit from the upper left.
void paintBall(QPainter& painter, const QRectF& rect, const QColor& base);

// A raised square with a mitred bevel: light on the top and left edges,
// dark on the bottom and right.
void paintBevelTile(QPainter& painter, const QRectF& rect, const QColor& base, qreal bevel);

// A rounded plate that stands out of its surface, or one pressed into it
// (a well: shadow along the top, light along the bottom).
enum class Relief { raised, sunken };
void paintPlate(QPainter& painter, const QRectF& rect, qreal radius, const QColor& base,
                Relief relief);

// A soft shadow of the shape, moved by the offset and blurred by the radius.
void paintShadow(QPainter& painter, const QPainterPath& shape, const QPointF& offset, int blur,
                 const QColor& colour);

// Glyphs filled with a vertical gradient inside a dark outline, for logos.
void paintLogoText(QPainter& painter, const QPainterPath& glyphs, const QColor& top,
                   const QColor& bottom, const QColor& outline, qreal outlineWidth);

// The path shrunk by the distance on every side.
QPainterPath insetPath(const QPainterPath& path, qreal distance);

// A raised rim along a panel's edge: `light` fading out towards the middle of
// the gradient from the top-left to `end`, then `shade` darkening to its
// alpha; clipped to the face so it stays inside the outline.
void paintRim(QPainter& painter, const QPainterPath& face, const QPointF& end, const QColor& light,
              const QColor& shade, qreal width);

// A snake body laid along the path: a shaded tube whose radius follows the
// function of t (0 at the path's start, 1 at its end), with soft bands.
struct TubeStyle {
    QColor base;
    QColor band;
    qreal bandsPerPixel = 0.0;
    std::function<qreal(qreal)> radius;
};
void paintTube(QPainter& painter, const QPainterPath& path, const TubeStyle& style);

// A snake's head centred at the point, facing the angle in degrees
// (0 = right, 90 = down): with open eyes and a forked tongue, or with the
// crossed-out eyes of a snake that has crashed.
enum class Eyes { open, crossed };
void paintSnakeHead(QPainter& painter, const QPointF& centre, qreal length, qreal angle,
                    const QColor& base, Eyes eyes = Eyes::open);

} // namespace zorvik::paintkit
