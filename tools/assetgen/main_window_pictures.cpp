// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The main window: its background and the five round buttons.
#include "asset_writer.h"
#include "canvas.h"
#include "emblem.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"
#include "widgets/main_window_layout.h"
#include "window_shape.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

using namespace zorvik::layout::mainwindow;

// The decoration around the controls, in pixels.
const QRectF boardPanel(16, 19, 510, 510);
const QRectF buttonBox(569, 24, 205, 52);
const QPointF logoCentre(605, 163);
constexpr qreal logoRadius = 47;
const QRectF playersPanel(553, 321, 227, 203);

const QColor panelLight(226, 226, 252);

void paintFrame(QPainter& painter, const WindowShape& shape) {
    const QPainterPath contour = shape.contour();
    painter.fillRect(0, 0, shape.width(), shape.height(), palette::navyDeep.darker(130));
    const QPainterPath face = insetPath(contour, 1.0);
    QLinearGradient blue(0, 0, 0, shape.height());
    blue.setColorAt(0.0, QColor(46, 70, 150));
    blue.setColorAt(0.4, QColor(30, 48, 112));
    blue.setColorAt(1.0, QColor(16, 26, 70));
    painter.fillPath(face, blue);

    QRadialGradient sheen(QPointF(shape.width() * 0.3, -60), shape.width() * 0.8);
    sheen.setColorAt(0.0, QColor(150, 180, 255, 60));
    sheen.setColorAt(1.0, QColor(150, 180, 255, 0));
    painter.fillPath(face, sheen);

    QLinearGradient rim(0, 0, 0, shape.height());
    rim.setColorAt(0.0, QColor(170, 195, 255, 200));
    rim.setColorAt(0.5, QColor(120, 150, 230, 70));
    rim.setColorAt(1.0, QColor(90, 120, 210, 40));
    painter.setPen(QPen(QBrush(rim), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(insetPath(contour, 1.9));
}

// A light raised panel standing on the blue frame.
void paintLightPanel(QPainter& painter, const QRectF& rect, qreal radius) {
    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);
    paintShadow(painter, shape, QPointF(0, 3), 6, QColor(0, 0, 16, 170));
    paintPlate(painter, rect, radius, panelLight, Relief::raised);
}

void paintBoardPanel(QPainter& painter) {
    paintLightPanel(painter, boardPanel, 16);
    const QRectF well = QRectF(kBoard).adjusted(-4, -4, 4, 4);
    paintPlate(painter, well, 4, QColor(150, 150, 205), Relief::sunken);
    const QImage cell = paintEmptyCell();
    const QSize step = cell.deviceIndependentSize().toSize();
    for (int y = kBoard.top(); y < kBoard.bottom(); y += step.height())
        for (int x = kBoard.left(); x < kBoard.right(); x += step.width())
            painter.drawImage(x, y, cell);
    painter.setPen(QPen(QColor(60, 60, 120, 120), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kBoard).adjusted(-0.5, -0.5, 0.5, 0.5));
}

// The pill of a word that acts as a button, exactly under its click area;
// the window letters the word on it.
void paintWordPill(QPainter& painter, const QRectF& rect) {
    QPainterPath pill;
    pill.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    paintShadow(painter, pill, QPointF(0, 2), 4, QColor(0, 0, 10, 160));
    paintPlate(painter, rect, rect.height() / 2, palette::buttonBlue, Relief::raised);
}

void paintPlayersPanel(QPainter& painter) {
    paintLightPanel(painter, playersPanel, 14);
    for (const QRectF box : {kPlayer1Score, kPlayer2Score}) {
        paintPlate(painter, box, 8, QColor(250, 250, 255), Relief::sunken);
    }
    const qreal divider = 420.5;
    painter.setPen(QPen(QColor(150, 150, 200), 1.0));
    painter.drawLine(QPointF(566, divider), QPointF(767, divider));
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    painter.drawLine(QPointF(566, divider + 1), QPointF(767, divider + 1));
}

QImage paintBackground() {
    const WindowShape shape = mainWindowShape();
    QImage image = canvas(shape.width(), shape.height());
    QPainter painter(&image);
    smooth(painter);
    paintFrame(painter, shape);
    paintBoardPanel(painter);
    paintPlate(painter, buttonBox, buttonBox.height() / 2, QColor(20, 30, 76), Relief::sunken);
    paintEmblem(painter, logoCentre, logoRadius);
    for (const QRectF pill : {kNewGameWord, kSetupWord, kMoreGamesWords}) {
        paintWordPill(painter, pill);
    }
    paintPlayersPanel(painter);
    return image;
}

enum class Sign { pause, play, help, minimise, exit };

void paintSign(QPainter& painter, Sign sign, const QPointF& centre) {
    QPainterPath glyph;
    switch (sign) {
    case Sign::pause:
        glyph.addRoundedRect(QRectF(centre.x() - 6.5, centre.y() - 7.5, 4.8, 15), 1.4, 1.4);
        glyph.addRoundedRect(QRectF(centre.x() + 1.7, centre.y() - 7.5, 4.8, 15), 1.4, 1.4);
        break;
    case Sign::play: {
        QPainterPath triangle;
        triangle.moveTo(centre + QPointF(-5, -8.5));
        triangle.lineTo(centre + QPointF(9, 0));
        triangle.lineTo(centre + QPointF(-5, 8.5));
        triangle.closeSubpath();
        QPainterPathStroker round;
        round.setWidth(2.4);
        round.setJoinStyle(Qt::RoundJoin);
        glyph = triangle.united(round.createStroke(triangle)).simplified();
        break;
    }
    case Sign::help:
        glyph = textPath(QRectF(centre.x() - 10, centre.y() - 10, 20, 20), QStringLiteral("?"),
                         displayFont(24));
        break;
    case Sign::minimise:
        glyph.addRoundedRect(QRectF(centre.x() - 7.5, centre.y() + 3, 15, 4.8), 1.6, 1.6);
        break;
    case Sign::exit: {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(-9, -2.5, 18, 5), 1.6, 1.6);
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(45);
        glyph = turn.map(bar);
        turn.rotate(90);
        glyph = glyph.united(turn.map(bar)).simplified();
        break;
    }
    }
    paintShadow(painter, glyph, QPointF(0, 1.2), 2, QColor(0, 0, 0, 170));
    QLinearGradient white(0, centre.y() - 9, 0, centre.y() + 9);
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(1.0, QColor(226, 230, 240));
    painter.fillPath(glyph, white);
}

// A round button: the ball lies on the very pixels of the background
// beneath it, so the picture blends in whether it is drawn opaque or not.
QImage paintRoundButton(const QImage& background, const QRect& place, const QColor& colour,
                        Sign sign) {
    QImage image = crop(background, place);
    QPainter painter(&image);
    smooth(painter);
    const QRectF ball(2.5, 1.0, 36, 36);
    QPainterPath round;
    round.addEllipse(ball);
    paintShadow(painter, round, QPointF(0, 1.5), 2, QColor(0, 0, 0, 150));
    paintBall(painter, ball, colour);
    paintSign(painter, sign, ball.center());
    return image;
}

} // namespace

void writeMainWindowPictures(AssetWriter& out) {
    const QImage background = paintBackground();
    out.write(QStringLiteral("main/background.png"), background);
    const QColor playGreen(46, 170, 90);
    out.write(QStringLiteral("main/pause.png"),
              paintRoundButton(background, kPauseButton, playGreen, Sign::pause));
    out.write(QStringLiteral("main/play.png"),
              paintRoundButton(background, kPauseButton, playGreen.lighter(112), Sign::play));
    out.write(QStringLiteral("main/help.png"),
              paintRoundButton(background, kHelpButton, QColor(246, 140, 20), Sign::help));
    out.write(QStringLiteral("main/minimise.png"),
              paintRoundButton(background, kMinimiseButton, QColor(44, 120, 236), Sign::minimise));
    out.write(QStringLiteral("main/exit.png"),
              paintRoundButton(background, kExitButton, QColor(222, 40, 40), Sign::exit));
}

} // namespace assetgen
