// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The help window: the product logo, the coiled snake and the keys (the
// window letters the words beside them).
#include "asset_writer.h"
#include "canvas.h"
#include "emblem.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"
#include "widgets/help_layout.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

namespace layout = zorvik::layout::help;

QImage paintLogo() {
    QImage image = canvas(layout::kLogo.width(), layout::kLogo.height(), Qt::white);
    QPainter painter(&image);
    smooth(painter);
    paintEmblem(painter, QPointF(66, 64), 56);

    const QRectF wordBox(134, 18, 212, 70);
    QFont font = displayFont(72);
    while (QFontMetricsF(font).horizontalAdvance(QStringLiteral("ZORVIK")) > wordBox.width())
        font.setPixelSize(font.pixelSize() - 1);
    const QPainterPath word = textPath(wordBox, QStringLiteral("ZORVIK"), font);
    paintLogoText(painter, word, QColor(84, 120, 236), palette::navyDeep, QColor(255, 200, 70),
                  2.0);

    QPainterPath body;
    body.moveTo(140, 112);
    body.cubicTo(176, 96, 204, 126, 240, 110);
    body.cubicTo(268, 98, 290, 112, 312, 110);
    const TubeStyle style{palette::snakeGreen, palette::snakeGreen.darker(128), 0.06,
                          [](qreal t) { return 1.6 + 4.4 * std::min(1.0, t * 2.2); }};
    paintTube(painter, body, style);
    paintSnakeHead(painter, QPointF(322, 109), 22, -6, palette::snakeGreen.lighter(108));
    return image;
}

QImage paintCoiledSnake() {
    QImage image = canvas(layout::kCoiledSnake.width(), layout::kCoiledSnake.height(), Qt::white);
    QPainter painter(&image);
    smooth(painter);

    QPainterPath shadow;
    shadow.addEllipse(QRectF(14, 186, 118, 24));
    paintShadow(painter, shadow, QPointF(0, 0), 6, QColor(40, 40, 80, 90));

    // A coil seen from the front and a little above, laid from the tail on
    // the ground upwards, so that each turn lies over the one below it.
    QPainterPath body;
    const qreal turns = 2.3;
    const qreal start = 0.55 * std::numbers::pi;
    const qreal sweep = turns * 2 * std::numbers::pi;
    constexpr int steps = 400;
    for (int i = 0; i <= steps; ++i) {
        const qreal f = static_cast<qreal>(i) / steps;
        const qreal angle = start + f * sweep;
        const qreal ring = 50 - 22 * f;
        const QPointF at(72 + ring * std::cos(angle), 184 - 46 * f + 0.36 * ring * std::sin(angle));
        if (i == 0)
            body.moveTo(at);
        else
            body.lineTo(at);
    }
    const QPointF coilEnd = body.currentPosition();
    body.cubicTo(coilEnd + QPointF(-14, -30), QPointF(40, 80), QPointF(66, 62));
    body.cubicTo(QPointF(80, 52), QPointF(82, 44), QPointF(88, 40));

    const QColor skin(84, 176, 60);
    const TubeStyle style{skin, QColor(56, 120, 36), 0.055, [](qreal t) {
                              const qreal tail = std::min(1.0, 0.2 + t * 4);
                              const qreal neck = t > 0.85 ? 1 - (t - 0.85) * 1.4 : 1.0;
                              return 9.5 * tail * neck;
                          }};
    paintTube(painter, body, style);
    const qreal angle = body.angleAtPercent(1.0);
    paintSnakeHead(painter, QPointF(100, 36), 30, -angle, skin.lighter(108));
    return image;
}

// One key cap: a rounded top face over a darker side.
void paintKey(QPainter& painter, const QRectF& key, const QString& label, const QFont& font) {
    QPainterPath cap;
    cap.addRoundedRect(key, 5, 5);
    paintShadow(painter, cap, QPointF(0, 2), 2, QColor(20, 20, 60, 110));
    QLinearGradient side(key.topLeft(), key.bottomLeft());
    side.setColorAt(0.0, QColor(170, 170, 200));
    side.setColorAt(1.0, QColor(120, 120, 160));
    painter.setPen(QPen(QColor(90, 90, 130), 1.0));
    painter.setBrush(side);
    painter.drawRoundedRect(key.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    const QRectF top = key.adjusted(3, 2, -3, -5);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, QColor(228, 228, 244));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    painter.setBrush(face);
    painter.drawRoundedRect(top, 3.5, 3.5);
    painter.setFont(font);
    painter.setPen(palette::ink);
    painter.drawText(top, Qt::AlignCenter, label);
}

void paintArrowKey(QPainter& painter, const QRectF& key, qreal angle) {
    paintKey(painter, key, QString(), QFont());
    const QPointF centre = key.adjusted(3, 2, -3, -5).center();
    QPainterPath arrow;
    arrow.moveTo(6, 0);
    arrow.lineTo(-4, -6);
    arrow.lineTo(-4, 6);
    arrow.closeSubpath();
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(angle);
    painter.fillPath(turn.map(arrow), palette::ink);
}

// A player's keys centred on the column: the bite key on top, then the
// four steering keys in an inverted T.
void paintKeyGroup(QPainter& painter, qreal centre, const QString& bite,
                   const std::array<QString, 4>& letters) {
    const QRectF tray(centre - 68, 31, 136, 96);
    paintPlate(painter, tray, 10, QColor(236, 236, 252), Relief::sunken);

    constexpr qreal keyWidth = 28;
    constexpr qreal keyHeight = 27;
    constexpr qreal gap = 3;
    const qreal left = centre - keyWidth * 1.5 - gap;
    const QFont small = captionFont(11, true);
    paintKey(painter, QRectF(left, 35, keyWidth * 2 + gap, keyHeight), bite, small);

    const QRectF up(centre - keyWidth / 2, 35 + keyHeight + gap, keyWidth, keyHeight);
    const qreal bottom = up.bottom() + gap;
    const QRectF leftKey(left, bottom, keyWidth, keyHeight);
    const QRectF down(centre - keyWidth / 2, bottom, keyWidth, keyHeight);
    const QRectF right(centre + keyWidth / 2 + gap, bottom, keyWidth, keyHeight);
    if (letters[0].isEmpty()) {
        paintArrowKey(painter, up, -90);
        paintArrowKey(painter, leftKey, 180);
        paintArrowKey(painter, down, 90);
        paintArrowKey(painter, right, 0);
    } else {
        const QFont letter = displayFont(15);
        paintKey(painter, up, letters[0], letter);
        paintKey(painter, leftKey, letters[1], letter);
        paintKey(painter, down, letters[2], letter);
        paintKey(painter, right, letters[3], letter);
    }
}

QImage paintKeys() {
    QImage image = canvas(layout::kKeys.width(), layout::kKeys.height(), Qt::white);
    QPainter painter(&image);
    smooth(painter);
    // Each group sits under the label that shows its player's name.
    paintKeyGroup(painter, QRectF(layout::kPlayer1Name).center().x(), QStringLiteral("Ctrl"), {});
    paintKeyGroup(
        painter, QRectF(layout::kPlayer2Name).center().x(), QStringLiteral("Tab"),
        {QStringLiteral("W"), QStringLiteral("A"), QStringLiteral("S"), QStringLiteral("D")});
    return image;
}

} // namespace

void writeHelpPictures(AssetWriter& out) {
    out.write(QStringLiteral("help/logo.png"), paintLogo());
    out.write(QStringLiteral("help/snake.png"), paintCoiledSnake());
    out.write(QStringLiteral("help/keys.png"), paintKeys());
}

} // namespace assetgen
