// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/board_view.h"

#include "engine/snake_game.h"
#include "widgets/main_window_layout.h"
#include "widgets/picture_book.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorvik {

using layout::mainwindow::kCellSize;

BoardView::BoardView(const SnakeGame& game, const PictureBook& book, QWidget* parent)
    : QWidget(parent), game_(game), book_(book) {
    setFixedSize(layout::mainwindow::kBoard.size());
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto& cells = game_.cellPictures();
    // Pictures for the pixels painted into, be they a screen's or an image's.
    const qreal ratio = painter.device()->devicePixelRatioF();
    for (int c = 0; c < kCells; ++c) {
        const QPixmap& pixmap = book_.Pixmap(cells[c], ratio);
        if (!pixmap.isNull()) {
            painter.drawPixmap((c % kColumns) * kCellSize, (c / kColumns) * kCellSize, pixmap);
        }
    }
}

// A press on the board never drags the window.
void BoardView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace zorvik
