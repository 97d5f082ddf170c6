// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The end screen's four cards: the next level, the campaign won, the
// classic game won and game over, each with room for the words that the end
// screen letters on it.
#include "asset_writer.h"
#include "canvas.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"
#include "widgets/end_screen_layout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

using namespace zorvik::layout::endscreen;

constexpr int cardWidth = kPicture.width();
constexpr int cardHeight = kPicture.height();
// The window shows the card only this wide.
constexpr qreal shownWidth = kClientArea.width();
// The label that shows the next level's number.
const QRectF levelNumber = kLevelNumber;
// Nothing but the calm ground lies under the strip where a message line
// may be drawn: x 29 to 325, y 149 to 178.

// Pale board-coloured ground with a faint cell grid fading towards the
// middle, and a soft frame.
void paintGround(QPainter& painter, const QColor& glow) {
    QRadialGradient ground(QPointF(shownWidth / 2, 80), 230);
    ground.setColorAt(0.0, Qt::white);
    ground.setColorAt(0.55, palette::lavenderPale);
    ground.setColorAt(1.0, QColor(200, 200, 246));
    painter.fillRect(0, 0, cardWidth, cardHeight, ground);

    painter.save();
    for (int x = 0; x < cardWidth; x += 16)
        for (int y = 0; y < cardHeight; y += 16) {
            const qreal dx = (x + 8 - shownWidth / 2) / (shownWidth / 2);
            const qreal dy = (y + 8 - cardHeight / 2.0) / (cardHeight / 2.0);
            const qreal fade = std::clamp(std::hypot(dx, dy) - 0.55, 0.0, 1.0);
            painter.fillRect(QRectF(x, y, 15, 15),
                             QColor(180, 180, 240, static_cast<int>(90 * fade)));
        }
    painter.restore();

    QRadialGradient halo(QPointF(shownWidth / 2, 70), 150);
    halo.setColorAt(0.0, glow);
    halo.setColorAt(1.0, QColor(glow.red(), glow.green(), glow.blue(), 0));
    painter.fillRect(0, 0, cardWidth, cardHeight, halo);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(28, 44, 104, 200), 2));
    painter.drawRoundedRect(QRectF(4, 4, shownWidth - 8, cardHeight - 8), 12, 12);
    painter.setPen(QPen(QColor(255, 200, 70, 230), 1.2));
    painter.drawRoundedRect(QRectF(7.5, 7.5, shownWidth - 15, cardHeight - 15), 9, 9);
}

void paintSnake(QPainter& painter, const QPainterPath& body, const QColor& base, qreal thickness,
                qreal headAngle, Eyes eyes) {
    const TubeStyle style{base, base.darker(128), 0.06, [thickness](qreal t) {
                              return thickness * (0.3 + 0.7 * std::min(1.0, t * 2.5));
                          }};
    paintTube(painter, body, style);
    const QPointF end = body.pointAtPercent(1.0);
    const qreal rad = headAngle * std::numbers::pi / 180;
    paintSnakeHead(painter, end + QPointF(std::cos(rad), std::sin(rad)) * thickness * 1.1,
                   thickness * 3.3, headAngle, base.lighter(108), eyes);
}

void paintStar(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        star << centre + QPointF(std::cos(angle), std::sin(angle)) * r;
    }
    QRadialGradient fill(centre, radius, centre - QPointF(radius * 0.3, radius * 0.4));
    fill.setColorAt(0.0, mix(colour, Qt::white, 0.7));
    fill.setColorAt(0.6, colour);
    fill.setColorAt(1.0, colour.darker(140));
    painter.setPen(QPen(colour.darker(190), 0.8, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(star);
}

void paintTrophy(QPainter& painter, const QPointF& base) {
    const qreal x = base.x();
    const qreal y = base.y();
    QPainterPath cup;
    cup.moveTo(x - 30, y - 92);
    cup.lineTo(x + 30, y - 92);
    cup.cubicTo(x + 30, y - 55, x + 16, y - 40, x + 5, y - 36);
    cup.lineTo(x + 5, y - 22);
    cup.lineTo(x + 16, y - 12);
    cup.lineTo(x - 16, y - 12);
    cup.lineTo(x - 5, y - 22);
    cup.lineTo(x - 5, y - 36);
    cup.cubicTo(x - 16, y - 40, x - 30, y - 55, x - 30, y - 92);
    QPainterPath handles;
    handles.addEllipse(QRectF(x - 44, y - 86, 26, 30));
    handles.addEllipse(QRectF(x + 18, y - 86, 26, 30));
    QPainterPath handleHoles;
    handleHoles.addEllipse(QRectF(x - 38, y - 80, 15, 18));
    handleHoles.addEllipse(QRectF(x + 23, y - 80, 15, 18));
    const QPainterPath gold = cup.united(handles.subtracted(handleHoles)).simplified();
    QPainterPath plinth;
    plinth.addRoundedRect(QRectF(x - 26, y - 13, 52, 13), 3, 3);
    paintShadow(painter, gold.united(plinth), QPointF(2, 3), 4, QColor(40, 20, 0, 110));

    QLinearGradient metal(x - 44, 0, x + 44, 0);
    metal.setColorAt(0.0, QColor(176, 110, 10));
    metal.setColorAt(0.3, QColor(255, 232, 140));
    metal.setColorAt(0.55, QColor(240, 180, 40));
    metal.setColorAt(1.0, QColor(150, 90, 8));
    painter.setPen(QPen(QColor(120, 70, 0), 1.0));
    painter.setBrush(metal);
    painter.drawPath(gold);
    QLinearGradient wood(0, y - 13, 0, y);
    wood.setColorAt(0.0, QColor(60, 80, 160));
    wood.setColorAt(1.0, palette::navyDeep);
    painter.setPen(QPen(palette::navyDeep, 1.0));
    painter.setBrush(wood);
    painter.drawPath(plinth);
    paintStar(painter, QPointF(x, y - 68), 13, QColor(255, 250, 220));
}

void paintCrown(QPainter& painter, const QPointF& centre, qreal size) {
    QPainterPath crown;
    const qreal w = size;
    const qreal h = size * 0.7;
    const qreal left = centre.x() - w / 2;
    const qreal top = centre.y() - h / 2;
    crown.moveTo(left, top + h);
    crown.lineTo(left, top + h * 0.25);
    crown.lineTo(left + w * 0.25, top + h * 0.6);
    crown.lineTo(left + w * 0.5, top);
    crown.lineTo(left + w * 0.75, top + h * 0.6);
    crown.lineTo(left + w, top + h * 0.25);
    crown.lineTo(left + w, top + h);
    crown.closeSubpath();
    QLinearGradient metal(left, 0, left + w, 0);
    metal.setColorAt(0.0, QColor(200, 130, 10));
    metal.setColorAt(0.35, QColor(255, 236, 150));
    metal.setColorAt(1.0, QColor(190, 120, 10));
    painter.setPen(QPen(QColor(130, 80, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(metal);
    painter.drawPath(crown);
    const qreal gem = size * 0.09;
    paintBall(painter, QRectF(centre.x() - gem, top + h * 0.62 - gem, 2 * gem, 2 * gem),
              QColor(220, 30, 40));
}

QImage paintLevelCard() {
    QImage image = canvas(cardWidth, cardHeight);
    QPainter painter(&image);
    smooth(painter);
    paintGround(painter, QColor(190, 210, 255, 140));

    QPainterPath body;
    body.moveTo(26, 146);
    body.cubicTo(56, 124, 80, 170, 112, 148);
    body.cubicTo(130, 136, 144, 138, 158, 140);
    paintSnake(painter, body, palette::snakeGreen, 7, -10, Eyes::open);

    // A soft white spotlight and a gold ring of light where the number is
    // drawn; no hard edge, so the number sits well however it is aligned.
    // Its centre lies between the label's centre and where a left-aligned
    // digit lands.
    const QPointF spot = levelNumber.center() - QPointF(14, 4);
    QRadialGradient light(spot, 74);
    light.setColorAt(0.0, QColor(255, 255, 255, 255));
    light.setColorAt(0.62, QColor(255, 255, 255, 235));
    light.setColorAt(0.8, QColor(255, 214, 110, 150));
    light.setColorAt(1.0, QColor(255, 214, 110, 0));
    painter.fillRect(QRectF(spot.x() - 80, spot.y() - 80, 160, 160), light);
    return image;
}

QImage paintCampaignCard() {
    QImage image = canvas(cardWidth, cardHeight);
    QPainter painter(&image);
    smooth(painter);
    paintGround(painter, QColor(255, 226, 140, 150));
    paintTrophy(painter, QPointF(70, 138));
    paintStar(painter, QPointF(132, 26), 7, QColor(255, 210, 60));
    paintStar(painter, QPointF(318, 32), 9, QColor(255, 210, 60));
    paintStar(painter, QPointF(26, 34), 6, QColor(255, 210, 60));
    return image;
}

QImage paintClassicCard() {
    QImage image = canvas(cardWidth, cardHeight);
    QPainter painter(&image);
    smooth(painter);
    paintGround(painter, QColor(170, 240, 170, 140));

    QPainterPath body;
    body.moveTo(60, 128);
    body.cubicTo(100, 104, 130, 146, 170, 124);
    body.cubicTo(200, 108, 226, 120, 246, 122);
    paintSnake(painter, body, palette::snakeGreen, 8, -12, Eyes::open);
    paintCrown(painter, QPointF(258, 104), 22);
    paintStar(painter, QPointF(44, 40), 7, QColor(255, 210, 60));
    paintStar(painter, QPointF(300, 36), 8, QColor(255, 210, 60));
    return image;
}

QImage paintGameOverCard() {
    QImage image = canvas(cardWidth, cardHeight);
    QPainter painter(&image);
    smooth(painter);
    paintGround(painter, QColor(255, 170, 170, 140));

    QPainterPath body;
    body.moveTo(70, 124);
    body.cubicTo(110, 96, 136, 142, 170, 122);
    body.cubicTo(198, 106, 214, 130, 234, 128);
    paintSnake(painter, body, QColor(96, 170, 80), 9, 8, Eyes::crossed);
    return image;
}

} // namespace

void writeEndScreenPictures(AssetWriter& out) {
    out.write(QStringLiteral("endscreen/level.png"), paintLevelCard());
    out.write(QStringLiteral("endscreen/campaign-over.png"), paintCampaignCard());
    out.write(QStringLiteral("endscreen/classic-over.png"), paintClassicCard());
    out.write(QStringLiteral("endscreen/game-over.png"), paintGameOverCard());
}

} // namespace assetgen
