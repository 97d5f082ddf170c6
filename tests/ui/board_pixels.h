// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"
#include "widgets/main_window_layout.h"
#include "widgets/picture_book.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace zorvik::testkit {

inline QRect CellRect(int cell) {
    using layout::mainwindow::kCellSize;
    return {cell % kColumns * kCellSize, cell / kColumns * kCellSize, kCellSize, kCellSize};
}

// The board as a full repaint of the game shows it: the main window's
// background with every cell's picture on top.
inline QImage FullRepaint(const PictureBook& book, const SnakeGame& game) {
    const QRect area = layout::mainwindow::kBoard;
    QImage full = EmbeddedPicture(QStringLiteral(":/main/background.png"))
                      .toImage()
                      .copy(area)
                      .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&full);
    for (int c = 0; c < kCells; ++c) {
        painter.drawPixmap(CellRect(c).topLeft(), book.Pixmap(game.cellPictures()[c]));
    }
    return full;
}

// What the main window's backing store holds on the board after every
// pending repaint.
inline QImage ShownBoard(QWidget& table) {
    QCoreApplication::processEvents();
    const QRect area = layout::mainwindow::kBoard;
    return QGuiApplication::primaryScreen()
        ->grabWindow(table.winId(), area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The board as a paint of it shows it now, whatever its reason: a change,
// or another window passing over it.
inline QImage PaintedBoard(QWidget& board) {
    QCoreApplication::processEvents();
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace zorvik::testkit
