// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/main_background.h"

#include "widgets/main_window_layout.h"
#include "widgets/picture_book.h"

#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QString>

namespace zorvik {

using layout::mainwindow::kBackground;
using layout::mainwindow::kBoard;
using layout::mainwindow::kCellSize;

namespace {

constexpr int kFrameLeft = 32;
constexpr int kFrameTop = 32;
constexpr int kFrameBottom = 516;

} // namespace

MainBackground::MainBackground(PictureBook& book, Picture emptyCell)
    : book_(book), emptyCell_(emptyCell) {
    const QString resource = QStringLiteral(":/main/background.png");
    const int height = kBackground.height();
    const int middle = kPanelAt.x() - kFrameLeft;
    const std::array<QRect, 4> places{
        QRect(kPanelAt, QPoint(kBackground.width() - 1, height - 1)),
        QRect(0, 0, kFrameLeft, height),
        QRect(kFrameLeft, 0, middle, kFrameTop),
        QRect(kFrameLeft, kFrameBottom, middle, height - kFrameBottom),
    };
    for (std::size_t i = 0; i < places.size(); ++i) {
        parts_[i] = {places[i], book.Load(resource, places[i])};
    }
}

void MainBackground::Paint(QPainter& painter, const QRegion& region) const {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const auto copy = [&painter, ratio](const QRect& area, const QRect& place,
                                        const QPixmap& pixmap) {
        const QRect shown = area & place;
        if (!shown.isEmpty()) {
            painter.drawPixmap(shown, pixmap,
                               QRectF(QPointF(shown.topLeft() - place.topLeft()) * ratio,
                                      QSizeF(shown.size()) * ratio));
        }
    };
    for (const QRect& area : region) {
        for (const Part& part : parts_) {
            if (area.intersects(part.place)) {
                copy(area, part.place, book_.Pixmap(part.picture, ratio));
            }
        }
        const QRect board = (area & kBoard).translated(-kBoard.topLeft());
        if (board.isEmpty()) {
            continue;
        }
        const QPixmap& empty = book_.Pixmap(emptyCell_, ratio);
        for (int row = board.top() / kCellSize; row <= board.bottom() / kCellSize; ++row) {
            for (int column = board.left() / kCellSize; column <= board.right() / kCellSize;
                 ++column) {
                const QPoint corner = kBoard.topLeft() + QPoint(column, row) * kCellSize;
                copy(area, QRect(corner, QSize(kCellSize, kCellSize)), empty);
            }
        }
    }
}

void MainBackground::PaintWhole(QPainter& painter) const {
    Paint(painter, QRect(QPoint(), kBackground));
}

void MainBackground::ReadAhead(qreal devicePixelRatio) const {
    book_.ReadAhead(parts_.front().picture, devicePixelRatio);
}

const QPixmap& MainBackground::Panel(qreal devicePixelRatio) const {
    return book_.Pixmap(parts_.front().picture, devicePixelRatio);
}

} // namespace zorvik
