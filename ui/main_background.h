// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"

#include <QPoint>
#include <QRect>
#include <array>

class QPainter;
class QPixmap;
class QRegion;

namespace zorvik {

class PictureBook;

// The main window's background picture, kept without the board it frames.
// There the picture is the empty cell over and over, so the empty cell
// stands in for it under the board's cells; the frame alone is half the
// picture's memory.
class MainBackground {
public:
    MainBackground(PictureBook& book, Picture emptyCell);

    // Paints what of the background lies in the region.
    void Paint(QPainter& painter, const QRegion& region) const;
    // Paints the whole background.
    void PaintWhole(QPainter& painter) const;
    // Starts reading the picture for a screen of that ratio on another core.
    void ReadAhead(qreal devicePixelRatio) const;
    // The players' panel with the buttons' words, and where it lies.
    const QPixmap& Panel(qreal devicePixelRatio) const;
    static constexpr QPoint kPanelAt{508, 0};

private:
    struct Part {
        QRect place;
        Picture picture;
    };

    const PictureBook& book_;
    Picture emptyCell_;
    // The panel first. Their edges lie on multiples of four pixels, whole
    // device pixels at every quarter scale; they reach a little under the
    // board, which paints over them.
    std::array<Part, 4> parts_;
};

} // namespace zorvik
