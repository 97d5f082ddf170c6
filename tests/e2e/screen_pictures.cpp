// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "screen_pictures.h"

#include <cstdlib>

namespace zorvik::e2e {

namespace {

constexpr QPoint kBoardOrigin{31, 34};
constexpr int kCellSize = 16;
// The screen shows pictures unscaled at 24 bits, so a match is all but
// exact; this only absorbs a stray rounding.
constexpr int kMeanDifferenceAllowed = 6;
// Text is black on a light panel: a pixel at least half covered is ink.
constexpr int kInkGray = 128;

QImage Resource(const char* path) {
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

bool ShowsPicture(const QImage& shot, QPoint at, const QImage& picture) {
    if (!shot.rect().contains(QRect(at, picture.size()))) {
        return false;
    }
    long difference = 0;
    long compared = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb wanted = picture.pixel(x, y);
            if (qAlpha(wanted) != 255) {
                continue;
            }
            const QRgb seen = shot.pixel(at.x() + x, at.y() + y);
            difference += std::abs(qRed(wanted) - qRed(seen)) +
                          std::abs(qGreen(wanted) - qGreen(seen)) +
                          std::abs(qBlue(wanted) - qBlue(seen));
            ++compared;
        }
    }
    return compared > 0 && difference <= kMeanDifferenceAllowed * 3 * compared;
}

BoardReader::BoardReader()
    : empty_(Resource(":/cells/empty.png")), red_(Resource(":/cells/snake-red.png")),
      green_(Resource(":/cells/snake-green.png")) {}

BoardPicture BoardReader::Read(const QImage& window) const {
    BoardPicture board{};
    for (int cell = 0; cell < kCells; ++cell) {
        const QPoint at =
            kBoardOrigin + QPoint((cell % kColumns) * kCellSize, (cell / kColumns) * kCellSize);
        if (ShowsPicture(window, at, red_)) {
            board[cell] = CellShows::RedSnake;
        } else if (ShowsPicture(window, at, green_)) {
            board[cell] = CellShows::GreenSnake;
        } else if (ShowsPicture(window, at, empty_)) {
            board[cell] = CellShows::Empty;
        } else {
            board[cell] = CellShows::Other;
        }
    }
    return board;
}

std::vector<int> CellsShowing(const BoardPicture& board, CellShows what) {
    std::vector<int> cells;
    for (int cell = 0; cell < kCells; ++cell) {
        if (board[cell] == what) {
            cells.push_back(cell);
        }
    }
    return cells;
}

std::optional<QRect> InkBounds(const QImage& window, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(window.pixel(x, y)) < kInkGray) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

} // namespace zorvik::e2e
