// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// The game's words as it letters them on its pictures: heavy titles lit from
// above and small engraved captions, each fitted to the place it is given.
namespace zorvik::paintkit {

QFont displayFont(qreal pixelSize);
QFont captionFont(qreal pixelSize, bool bold = false);

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

// How one word or line is lettered.
struct Lettering {
    enum class Style { title, caption };
    Style style = Style::caption;
    QFont font;
    QColor colour;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
};

// A heavy title in the display face, or a caption in the caption face, at
// the pixel size.
Lettering titleLettering(qreal pixelSize, const QColor& colour, int flags = Qt::AlignHCenter);
Lettering captionLettering(qreal pixelSize, bool bold, const QColor& colour,
                           int flags = Qt::AlignLeft | Qt::AlignVCenter);

// A text as it fits a width: set smaller, down to two thirds of its size,
// and only then cut short with an ellipsis.
struct FittedText {
    QFont font;
    QString text;
};
FittedText fitText(const QString& text, QFont font, qreal width);

// The text fitted to its place and lettered there. A text that reads right
// to left and would start at the left starts at the right instead.
void paintWord(QPainter& painter, const QRectF& place, const QString& text,
               const Lettering& lettering);

} // namespace zorvik::paintkit
