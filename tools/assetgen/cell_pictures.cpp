// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The board's cell pictures: the empty cell, the snake balls, the black
// head, the obstacle tiles and the five foods.
#include "asset_writer.h"
#include "canvas.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <functional>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

constexpr int cellSize = 16;
constexpr int ballSize = 15;

struct NamedColour {
    const char* name;
    QColor colour;
};

const std::array snakeColours{
    NamedColour{"green", QColor(58, 186, 66)},   NamedColour{"red", QColor(228, 38, 38)},
    NamedColour{"yellow", QColor(250, 200, 24)}, NamedColour{"darkred", QColor(140, 18, 30)},
    NamedColour{"blue", QColor(38, 104, 232)},
};

const std::array tileColours{
    NamedColour{"beige", QColor(222, 196, 146)},  NamedColour{"red", QColor(214, 46, 46)},
    NamedColour{"magenta", QColor(208, 56, 196)}, NamedColour{"orange", QColor(242, 136, 28)},
    NamedColour{"blue", QColor(48, 98, 222)},     NamedColour{"cyan", QColor(36, 190, 212)},
    NamedColour{"green", QColor(56, 168, 58)},    NamedColour{"yellow", QColor(236, 206, 36)},
};

QImage paintSnakeBall(const QColor& colour) {
    QImage image = canvas(ballSize, ballSize);
    QPainter painter(&image);
    smooth(painter);
    paintBall(painter, QRectF(0.3, 0.3, ballSize - 0.6, ballSize - 0.6), colour);
    return image;
}

QImage paintObstacle(const QColor& colour) {
    QImage image = canvas(cellSize, cellSize);
    QPainter painter(&image);
    smooth(painter);
    paintBevelTile(painter, QRectF(0, 0, cellSize, cellSize), colour, 2.5);
    return image;
}

// A soft round shadow under a food, so that it sits on the tile.
void paintFoodShadow(QPainter& painter, const QRectF& rect) {
    QRadialGradient shade(QPointF(0.5, 0.5), 0.5);
    shade.setCoordinateMode(QGradient::ObjectMode);
    shade.setColorAt(0.0, QColor(40, 30, 90, 90));
    shade.setColorAt(1.0, QColor(40, 30, 90, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(rect);
}

void paintLeaf(QPainter& painter, const QPointF& at, qreal angle, qreal length) {
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.42, length, 0);
    leaf.quadTo(length * 0.5, length * 0.42, 0, 0);
    QLinearGradient green(0, -length * 0.3, 0, length * 0.3);
    green.setColorAt(0.0, QColor(150, 215, 80));
    green.setColorAt(1.0, QColor(40, 120, 30));
    painter.setPen(QPen(QColor(30, 80, 20), 0.6));
    painter.setBrush(green);
    painter.drawPath(leaf);
    painter.restore();
}

void paintStem(QPainter& painter, const QPainterPath& stem, qreal width) {
    painter.setPen(QPen(QColor(104, 66, 30), width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);
}

// A shaded fruit body: light spot to the upper left, deep rim.
void paintFruit(QPainter& painter, const QPainterPath& body, const QColor& light,
                const QColor& colour, const QColor& rim) {
    const QRectF box = body.boundingRect();
    QRadialGradient skin(box.center() + QPointF(box.width() * 0.05, box.height() * 0.05),
                         std::max(box.width(), box.height()) * 0.62,
                         box.center() - QPointF(box.width() * 0.22, box.height() * 0.24));
    skin.setColorAt(0.0, light);
    skin.setColorAt(0.45, colour);
    skin.setColorAt(1.0, rim);
    painter.setPen(QPen(rim.darker(150), 0.7));
    painter.setBrush(skin);
    painter.drawPath(body);
}

void paintGlint(QPainter& painter, const QRectF& rect) {
    QRadialGradient glint(QPointF(0.5, 0.5), 0.5);
    glint.setCoordinateMode(QGradient::ObjectMode);
    glint.setColorAt(0.0, QColor(255, 255, 255, 230));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glint);
    painter.drawEllipse(rect);
}

void paintApple(QPainter& painter) {
    paintFoodShadow(painter, QRectF(2.0, 11.5, 12.0, 4.0));
    QPainterPath body;
    body.moveTo(7.5, 5.0);
    body.cubicTo(9.6, 3.4, 14.0, 4.0, 14.0, 8.6);
    body.cubicTo(14.0, 12.0, 11.4, 14.8, 9.4, 14.8);
    body.cubicTo(8.6, 14.8, 8.2, 14.4, 7.5, 14.4);
    body.cubicTo(6.8, 14.4, 6.4, 14.8, 5.6, 14.8);
    body.cubicTo(3.6, 14.8, 1.0, 12.0, 1.0, 8.6);
    body.cubicTo(1.0, 4.0, 5.4, 3.4, 7.5, 5.0);
    paintFruit(painter, body, QColor(255, 140, 120), QColor(222, 28, 28), QColor(120, 8, 14));
    QPainterPath stem;
    stem.moveTo(7.4, 5.4);
    stem.quadTo(7.4, 3.0, 8.8, 1.4);
    paintStem(painter, stem, 1.2);
    paintLeaf(painter, QPointF(8.4, 3.2), -28, 5.2);
    paintGlint(painter, QRectF(3.0, 6.2, 3.2, 3.6));
}

void paintCherries(QPainter& painter) {
    paintFoodShadow(painter, QRectF(0.5, 12.5, 15.0, 3.5));
    QPainterPath stems;
    stems.moveTo(4.4, 9.0);
    stems.quadTo(5.4, 4.4, 9.6, 1.6);
    stems.moveTo(11.0, 9.8);
    stems.quadTo(10.0, 5.0, 9.6, 1.6);
    paintStem(painter, stems, 0.9);
    paintLeaf(painter, QPointF(9.6, 1.8), 12, 5.0);
    for (const QPointF centre : {QPointF(4.3, 11.2), QPointF(11.2, 11.8)}) {
        QPainterPath cherry;
        cherry.addEllipse(centre, 3.5, 3.4);
        paintFruit(painter, cherry, QColor(255, 120, 130), QColor(200, 14, 40), QColor(96, 0, 18));
        paintGlint(painter, QRectF(centre.x() - 2.3, centre.y() - 2.4, 2.2, 2.0));
    }
}

void paintPear(QPainter& painter) {
    paintFoodShadow(painter, QRectF(2.5, 12.5, 11.0, 3.5));
    QPainterPath body;
    body.moveTo(7.5, 3.6);
    body.cubicTo(9.2, 3.6, 9.6, 5.6, 10.2, 7.2);
    body.cubicTo(11.2, 8.6, 13.4, 9.8, 13.2, 12.1);
    body.cubicTo(13.0, 14.5, 10.3, 15.3, 7.5, 15.3);
    body.cubicTo(4.7, 15.3, 2.0, 14.5, 1.8, 12.1);
    body.cubicTo(1.6, 9.8, 3.8, 8.6, 4.8, 7.2);
    body.cubicTo(5.4, 5.6, 5.8, 3.6, 7.5, 3.6);
    paintFruit(painter, body, QColor(250, 250, 160), QColor(196, 214, 54), QColor(96, 126, 20));
    QPainterPath stem;
    stem.moveTo(7.5, 4.0);
    stem.quadTo(7.6, 2.2, 6.4, 0.9);
    paintStem(painter, stem, 1.1);
    paintLeaf(painter, QPointF(7.7, 2.6), -20, 4.6);
    paintGlint(painter, QRectF(3.6, 9.0, 2.6, 3.4));
}

void paintGrapes(QPainter& painter) {
    paintFoodShadow(painter, QRectF(3.0, 12.8, 10.0, 3.2));
    QPainterPath stem;
    stem.moveTo(7.6, 4.6);
    stem.quadTo(7.8, 2.4, 9.0, 1.0);
    paintStem(painter, stem, 1.0);
    paintLeaf(painter, QPointF(8.2, 2.6), -150, 4.8);
    const std::array grapes{QPointF(3.9, 5.9),  QPointF(7.6, 5.6),  QPointF(11.3, 5.9),
                            QPointF(5.6, 9.0),  QPointF(9.6, 9.0),  QPointF(3.4, 9.6),
                            QPointF(11.8, 9.6), QPointF(7.6, 12.4), QPointF(5.0, 12.0),
                            QPointF(10.2, 12.0)};
    const std::array order{0, 1, 2, 5, 6, 3, 4, 8, 9, 7};
    for (const int index : order) {
        const QPointF centre = grapes[static_cast<std::size_t>(index)];
        QPainterPath grape;
        grape.addEllipse(centre, 2.35, 2.35);
        paintFruit(painter, grape, QColor(206, 150, 250), QColor(122, 52, 186), QColor(54, 12, 96));
        paintGlint(painter, QRectF(centre.x() - 1.6, centre.y() - 1.7, 1.6, 1.4));
    }
}

void paintCheese(QPainter& painter) {
    paintFoodShadow(painter, QRectF(1.0, 12.6, 14.5, 3.4));
    // A wedge seen from the front: the cut face, the sloping top, the rind.
    const QPolygonF front(
        {QPointF(1.2, 14.2), QPointF(14.6, 14.2), QPointF(14.6, 7.6), QPointF(1.2, 11.2)});
    const QPolygonF top({QPointF(1.2, 11.2), QPointF(14.6, 7.6), QPointF(12.6, 3.0)});
    QLinearGradient frontFill(0, 7.6, 0, 14.2);
    frontFill.setColorAt(0.0, QColor(255, 204, 40));
    frontFill.setColorAt(1.0, QColor(226, 146, 10));
    QLinearGradient topFill(1.2, 11.2, 13.6, 3.0);
    topFill.setColorAt(0.0, QColor(255, 220, 90));
    topFill.setColorAt(1.0, QColor(255, 238, 150));
    const QColor edge(150, 92, 10);
    painter.setPen(QPen(edge, 0.7, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(frontFill);
    painter.drawPolygon(front);
    painter.setBrush(topFill);
    painter.drawPolygon(top);
    painter.setPen(Qt::NoPen);
    for (const QRectF hole : {QRectF(3.4, 11.0, 2.4, 2.0), QRectF(7.6, 10.2, 2.8, 2.4),
                              QRectF(11.6, 11.6, 1.8, 1.6), QRectF(11.8, 8.4, 1.6, 1.4)}) {
        QRadialGradient dip(hole.center() + QPointF(0.3, 0.4), hole.width() * 0.6,
                            hole.center() - QPointF(0.3, 0.3));
        dip.setColorAt(0.0, QColor(150, 84, 0));
        dip.setColorAt(1.0, QColor(206, 126, 6));
        painter.setBrush(dip);
        painter.drawEllipse(hole);
    }
    painter.setBrush(QColor(214, 150, 30));
    painter.drawEllipse(QRectF(9.4, 5.8, 1.8, 1.2));
}

QImage paintFood(const std::function<void(QPainter&)>& food) {
    QImage image = paintEmptyCell();
    QPainter painter(&image);
    smooth(painter);
    food(painter);
    return image;
}

} // namespace

QImage paintEmptyCell() {
    QImage image = canvas(cellSize, cellSize, Qt::white);
    QPainter painter(&image);
    smooth(painter);
    const QRectF face(0, 0, ballSize, ballSize);
    QLinearGradient lavender(face.topLeft(), face.bottomRight());
    lavender.setColorAt(0.0, QColor(212, 212, 255));
    lavender.setColorAt(1.0, QColor(200, 200, 252));
    painter.fillRect(face, lavender);
    painter.fillRect(QRectF(0, 0, ballSize, 1), QColor(222, 222, 255));
    painter.fillRect(QRectF(0, 1, 1, ballSize - 1), QColor(218, 218, 255));
    return image;
}

void writeCellPictures(AssetWriter& out) {
    out.write(QStringLiteral("cells/empty.png"), paintEmptyCell());
    for (const NamedColour& snake : snakeColours)
        out.write(QStringLiteral("cells/snake-%1.png").arg(QLatin1String(snake.name)),
                  paintSnakeBall(snake.colour));
    out.write(QStringLiteral("cells/black-head.png"), paintSnakeBall(QColor(34, 34, 38)));
    for (const NamedColour& tile : tileColours)
        out.write(QStringLiteral("cells/tile-%1.png").arg(QLatin1String(tile.name)),
                  paintObstacle(tile.colour));
    const std::array<std::function<void(QPainter&)>, 5> foods{paintApple, paintCherries, paintPear,
                                                              paintGrapes, paintCheese};
    for (std::size_t i = 0; i < foods.size(); ++i)
        out.write(QStringLiteral("cells/food-%1.png").arg(i), paintFood(foods[i]));
}

} // namespace assetgen
