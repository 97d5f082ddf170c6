// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/board.h"
#include "engine/picture.h"

#include <QWidget>
#include <array>
#include <optional>

class QPainter;

namespace zorvik {

class PictureBook;
class SnakeGame;

// The 30 x 30 board: paints every cell from the picture the game keeps for
// it, each at its natural size from the cell's top-left corner, over the
// main window's background. The game gives every cell its picture on every
// tick, but only a few pictures change: the board remembers what each cell
// shows and repaints only the cells whose picture differs. It shows the game
// as it was when last told to, whatever paints it in between, so that a game
// already started over behind an end screen stays unseen until it is shown.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const SnakeGame& game, const PictureBook& book, QWidget* parent);

    // Takes the game's pictures as they are now and schedules a repaint of
    // every cell whose picture differs from the one it shows.
    void ShowChanges();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Picture PictureOf(int cell) const;
    // Paints one cell within the region and records what it now shows.
    void PaintCell(QPainter& painter, int cell, const QRegion& region);

    const SnakeGame& game_;
    const PictureBook& book_;
    // The game's pictures as of the last ShowChanges: what every paint shows.
    std::array<Picture, kCells> pictures_{};
    // The picture each cell shows whole; none before its first paint, or
    // after a paint that covered only part of it with another picture.
    std::array<std::optional<Picture>, kCells> shown_{};
};

} // namespace zorvik
