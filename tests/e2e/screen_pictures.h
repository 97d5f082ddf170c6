// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <optional>
#include <vector>

namespace zorvik::e2e {

inline constexpr int kColumns = 30;
inline constexpr int kCells = 900;

// What a board cell shows on the screen.
enum class CellShows { Empty, RedSnake, GreenSnake, Other };
using BoardPicture = std::array<CellShows, kCells>;

// Whether `shot` shows `picture` with its top-left corner at `at`. Only the
// picture's opaque pixels are compared: through the rest shows whatever lies
// below.
bool ShowsPicture(const QImage& shot, QPoint at, const QImage& picture);

// Reads the board off a picture of the main window, cell by cell, by
// comparing each cell with the game's own cell pictures.
class BoardReader {
public:
    BoardReader();
    BoardPicture Read(const QImage& window) const;

private:
    QImage empty_;
    QImage red_;
    QImage green_;
};

// The cells, in increasing order, that show `what`.
std::vector<int> CellsShowing(const BoardPicture& board, CellShows what);

// The bounds of the ink (dark text pixels) inside `area`; nothing if none.
std::optional<QRect> InkBounds(const QImage& window, const QRect& area);

} // namespace zorvik::e2e
