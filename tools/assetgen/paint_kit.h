// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// Drawing helpers shared by every window's pictures: one palette, one light
// direction (from the upper left), one way of shading balls, tiles and tubes.
namespace assetgen {

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

// Every picture is painted in its logical pixels and comes out at the paint
// scale: 1 for the ordinary pictures, 2 for their "@2x" twins on HiDPI
// screens. The canvas carries the scale as its device pixel ratio, so a
// painter on it draws in logical pixels.
void setPaintScale(int scale);
int paintScale();

// A transparent canvas (or one filled with a colour) ready for QPainter,
// width by height logical pixels at the paint scale.
QImage canvas(int width, int height, const QColor& fill = Qt::transparent);

// The part of a canvas under a rectangle in logical pixels.
QImage crop(const QImage& image, const QRect& logical);

// Turns on anti-aliasing for shapes and text.
void smooth(QPainter& painter);

// t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, qreal t);

QFont displayFont(qreal pixelSize);
QFont captionFont(qreal pixelSize, bool bold = false);

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

// The outline of text set in the font, placed in the rectangle: aligned
// horizontally by the flags, centred vertically on the capital letters.
QPainterPath textPath(const QRectF& rect, const QString& text, const QFont& font,
                      int flags = Qt::AlignHCenter);

// Heavy text lit from above, for titles and for words that act as buttons:
// light lettering casts a soft dark shadow, dark lettering gets a crisp light
// line below it, as if engraved.
void paintTitle(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                const QColor& colour, int flags = Qt::AlignHCenter);

// Plain text, hinted for small sizes, with a faint light line below it so
// that it reads as engraved into a light panel.
void paintCaption(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                  const QColor& colour, int flags = Qt::AlignLeft | Qt::AlignVCenter);

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

} // namespace assetgen
