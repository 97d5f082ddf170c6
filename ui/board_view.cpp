// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/board_view.h"

#include "engine/snake_game.h"
#include "widgets/main_window_layout.h"
#include "widgets/picture_book.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <bitset>

namespace zorvik {

using layout::mainwindow::kCellSize;

namespace {
QRect CellRect(int cell) {
    return {cell % kColumns * kCellSize, cell / kColumns * kCellSize, kCellSize, kCellSize};
}
} // namespace

BoardView::BoardView(const SnakeGame& game, const PictureBook& book, QWidget* parent)
    : QWidget(parent), game_(game), book_(book) {
    setFixedSize(layout::mainwindow::kBoard.size());
}

Picture BoardView::PictureOf(int cell) const {
    return pictures_[cell];
}

void BoardView::ShowChanges() {
    pictures_ = game_.cellPictures();
    QRegion changed;
    for (int c = 0; c < kCells; ++c) {
        if (shown_[c] != PictureOf(c)) {
            changed += CellRect(c);
        }
    }
    update(changed);
}

// Paints the game's pictures wherever the event asks, whatever the reason
// (a change, an expose). The painter is clipped to the event's region, and
// each cell is painted once, however many of the region's rectangles it
// straddles.
void BoardView::paintEvent(QPaintEvent* event) {
    const QRegion& region = event->region();
    QPainter painter(this);
    std::bitset<kCells> painted;
    for (const QRect& area : region) {
        const QRect cells = area & rect();
        if (cells.isEmpty()) {
            continue;
        }
        for (int row = cells.top() / kCellSize; row <= cells.bottom() / kCellSize; ++row) {
            for (int column = cells.left() / kCellSize; column <= cells.right() / kCellSize;
                 ++column) {
                const int c = row * kColumns + column;
                if (!painted.test(c)) {
                    painted.set(c);
                    PaintCell(painter, c, region);
                }
            }
        }
    }
}

void BoardView::PaintCell(QPainter& painter, int cell, const QRegion& region) {
    const Picture picture = PictureOf(cell);
    const QRect bounds = CellRect(cell);
    // Pictures for the pixels painted into, be they a screen's or an image's.
    const QPixmap& pixmap = book_.Pixmap(picture, painter.device()->devicePixelRatioF());
    if (!pixmap.isNull()) {
        painter.drawPixmap(bounds.topLeft(), pixmap);
    }
    int covered = 0;
    for (const QRect& area : region) {
        const QRect part = area & bounds;
        covered += part.width() * part.height();
    }
    if (covered == bounds.width() * bounds.height()) {
        shown_[cell] = picture;
    } else if (shown_[cell] != picture) {
        shown_[cell].reset(); // it shows a patch of another picture
    }
}

// A press on the board never drags the window.
void BoardView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace zorvik
