// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "paint/lettering.h"

#include <QObject>
#include <QPixmap>

class QPainter;
class QRegion;
class QWidget;

namespace zorvik {

// A word that a widget draws over its picture, lettered as the game's
// pictures are, so that it can be translated. Its place lies in the widget's
// own coordinates and the text is fitted to it. It is lettered once, onto a
// copy of the picture behind it, so that the letters' edges blend into the
// picture exactly as if painted there (text is blended in linear light onto
// what is opaque), and again only when its look or place, the picture or
// the pixel ratio changes: a window moved to a screen of another scale shows
// it sharp there too.
class PaintedWord : public QObject {
    Q_OBJECT
public:
    PaintedWord(QWidget& owner, const char* name, const QRectF& place,
                const paintkit::Lettering& lettering, const QString& text);

    const QString& text() const { return text_; }
    const QRectF& place() const { return place_; }
    // The font and the text as they are shown in the place.
    paintkit::FittedText Shown() const;
    // What the word may colour of its widget, its shadow included.
    QRect Bounds() const;

    // Moves the word and letters it anew, as a pressed button's word.
    void Restyle(const QRectF& place, const paintkit::Lettering& lettering);

    // Draws the word over the backdrop, the picture that the painter has
    // just drawn with its top-left corner at the point.
    void Draw(QPainter& painter, const QPixmap& backdrop, QPoint backdropAt = {}) const;

private:
    QWidget& owner_;
    QRectF place_;
    paintkit::Lettering lettering_;
    QString text_;
    mutable QPixmap lettered_;
    mutable QPointF letteredAt_;
    mutable qint64 letteredOn_ = 0;
};

// Draws the words of the widget that lie in the region over its backdrop.
void DrawWords(QPainter& painter, const QWidget& owner, const QRegion& region,
               const QPixmap& backdrop, QPoint backdropAt = {});

} // namespace zorvik
