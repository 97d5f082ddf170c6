// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QWidget>

namespace zorvik {

class PictureBook;
class SnakeGame;

// The 30 x 30 board: paints every cell from the picture the game keeps for
// it, each at its natural size from the cell's top-left corner.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const SnakeGame& game, const PictureBook& book, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const SnakeGame& game_;
    const PictureBook& book_;
};

} // namespace zorvik
