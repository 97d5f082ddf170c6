// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The settings window: its background, the speed segments, the collide
// buttons, the choice of who steers player 2, the player pictures and the Yes
// and No buttons, all without their words, which the window letters.
#include "asset_writer.h"
#include "canvas.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"
#include "widgets/settings_layout.h"
#include "window_shape.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

using namespace zorvik::layout::settings;

// Where the window's controls lie, in pixels.
const QRectF swatches1 = kPlayer1Swatches.Span();
const QRectF swatches2 = kPlayer2Swatches.Span();
const QRectF tiles = kObstacleTiles.Span();
const QRectF preview1 = kPlayer1Preview;
const QRectF preview2 = kPlayer2Preview;
const QRectF previewTile = kObstaclePreview;
const QRectF speedSegments = kSpeedIndicator;
const QRect yesButton = kCollideYes;
const QRect noButton = kCollideNo;
const QRect personButton = kPlayer2Person;
const QRect computerButton = kPlayer2Computer;
const QRect playersPicture = kPlayersPicture;
const QRect applyButton = kYesButton;
const QRect cancelButton = kNoButton;

const QColor panel = palette::lavenderPanel;
const QColor speedWell(52, 54, 66);

// A shallow tray under a row of pictures.
void paintTray(QPainter& painter, const QRectF& around) {
    paintPlate(painter, around.adjusted(-4, -4, 3, 4), 5, panel.darker(108), Relief::sunken);
}

void paintPanel(QPainter& painter, const WindowShape& shape) {
    const QPainterPath contour = shape.contour();
    painter.fillRect(0, 0, shape.width(), shape.height(), palette::navyDeep);
    const QPainterPath face = insetPath(contour, 1.5);
    painter.fillPath(face, panel);

    paintRim(painter, face, QPointF(shape.width(), shape.height()), QColor(255, 255, 255, 230),
             QColor(20, 20, 80, 170), 6);

    // The title bar: a soft darker band under the title.
    QPainterPath band;
    band.addRoundedRect(QRectF(60, 12, 308, 50), 25, 25);
    paintShadow(painter, band, QPointF(0, 2.5), 5, QColor(0, 0, 30, 140));
    paintPlate(painter, QRectF(60, 12, 308, 50), 25, palette::navy, Relief::raised);
}

void paintSpeedFrame(QPainter& painter) {
    const QRectF frame = speedSegments.adjusted(-5, -5, 5, 5);
    paintPlate(painter, frame, 5, QColor(150, 152, 166), Relief::sunken);
    painter.fillRect(speedSegments.adjusted(-1, -1, 1, 1), speedWell);
}

QImage paintBackground() {
    const WindowShape shape = settingsWindowShape();
    QImage image = canvas(shape.width(), shape.height());
    QPainter painter(&image);
    smooth(painter);
    paintPanel(painter, shape);

    for (const QRectF& row : {swatches1, swatches2, tiles})
        paintTray(painter, row);
    for (const QRectF& preview : {preview1, preview2, previewTile})
        paintPlate(painter, preview.adjusted(-3, -3, 3, 3), 4, QColor(246, 246, 255),
                   Relief::sunken);
    paintSpeedFrame(painter);

    return image;
}

// A glossy lit segment of the speed indicator, or the grey unlit one.
QImage paintSpeedSegment(const QColor& colour, bool lit) {
    QImage image = canvas(25, 20, speedWell);
    QPainter painter(&image);
    smooth(painter);
    const QRectF lamp(1.5, 2, 22, 16);
    if (lit) {
        QPainterPath glow;
        glow.addRoundedRect(lamp, 4, 4);
        paintShadow(painter, glow, QPointF(0, 0), 2, mix(colour, Qt::white, 0.3));
    }
    paintPlate(painter, lamp, 4, colour, Relief::raised);
    QPainterPath gloss;
    gloss.addRoundedRect(lamp.adjusted(2, 1.5, -2, -lamp.height() / 2), 3, 3);
    QLinearGradient shine(lamp.topLeft(), QPointF(lamp.left(), lamp.center().y()));
    shine.setColorAt(0.0, QColor(255, 255, 255, lit ? 170 : 90));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(gloss, shine);
    return image;
}

// A choice of the collide row or the player 2 row: raised, or pressed in and
// green when selected.
QImage paintChoice(const QImage& background, const QRect& place, bool selected) {
    QImage image = crop(background, place);
    QPainter painter(&image);
    smooth(painter);
    const QRectF plate = QRectF(0, 0, place.width(), place.height()).adjusted(2, 2, -2, -3);
    if (!selected) {
        QPainterPath shape;
        shape.addRoundedRect(plate, 8, 8);
        paintShadow(painter, shape, QPointF(0, 1.5), 2, QColor(0, 0, 40, 120));
    }
    paintPlate(painter, plate, 8, selected ? QColor(222, 246, 222) : QColor(236, 236, 250),
               selected ? Relief::sunken : Relief::raised);
    return image;
}

// A big button with rounded corners, for white lettering.
QImage paintCommand(const QImage& background, const QRect& place, const QColor& colour) {
    QImage image = crop(background, place);
    QPainter painter(&image);
    smooth(painter);
    const QRectF plate = QRectF(0, 0, place.width(), place.height()).adjusted(1.5, 1, -1.5, -3);
    QPainterPath shape;
    shape.addRoundedRect(plate, 10, 10);
    paintShadow(painter, shape, QPointF(0, 1.8), 2, QColor(0, 0, 40, 150));
    paintPlate(painter, plate, 10, colour, Relief::raised);
    return image;
}

// One person: a round head over rounded shoulders.
void paintFigure(QPainter& painter, const QPointF& headCentre, qreal scale, const QColor& colour) {
    QPainterPath body;
    const QRectF shoulders(headCentre.x() - 17 * scale, headCentre.y() + 13 * scale, 34 * scale,
                           44 * scale);
    body.addRoundedRect(shoulders, 16 * scale, 16 * scale);
    QRadialGradient cloth(shoulders.center(), shoulders.width() * 0.75,
                          shoulders.topLeft() + QPointF(12 * scale, 6 * scale));
    cloth.setColorAt(0.0, mix(colour, Qt::white, 0.45));
    cloth.setColorAt(0.5, colour);
    cloth.setColorAt(1.0, colour.darker(200));
    painter.setPen(QPen(colour.darker(260), 1.0));
    painter.setBrush(cloth);
    painter.drawPath(body);
    const qreal r = 11 * scale;
    paintBall(painter, QRectF(headCentre.x() - r, headCentre.y() - r, 2 * r, 2 * r),
              QColor(246, 196, 150));
}

QImage paintPlayers(const QImage& background, bool two) {
    QImage image = crop(background, playersPicture);
    QPainter painter(&image);
    smooth(painter);
    const QPointF centre(40.5, 40.5);
    QPainterPath disc;
    disc.addEllipse(centre, 39, 39);
    paintShadow(painter, disc, QPointF(0, 1.5), 2, QColor(0, 0, 40, 130));

    QLinearGradient ring(0, 1, 0, 80);
    ring.setColorAt(0.0, QColor(90, 90, 100));
    ring.setColorAt(0.5, QColor(16, 16, 20));
    ring.setColorAt(1.0, QColor(0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawEllipse(centre, 39, 39);
    QRadialGradient white(centre, 35, centre - QPointF(8, 12));
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(0.8, QColor(246, 246, 252));
    white.setColorAt(1.0, QColor(210, 210, 224));
    painter.setBrush(white);
    painter.drawEllipse(centre, 35, 35);

    painter.save();
    QPainterPath inside;
    inside.addEllipse(centre, 35, 35);
    painter.setClipPath(inside);
    if (two) {
        paintFigure(painter, QPointF(51, 24), 0.82, QColor(50, 170, 60));
        paintFigure(painter, QPointF(31, 31), 0.9, QColor(220, 40, 40));
    } else {
        paintFigure(painter, QPointF(40.5, 26), 1.0, QColor(220, 40, 40));
    }
    painter.restore();
    return image;
}

} // namespace

void writeSettingsPictures(AssetWriter& out) {
    const QImage background = paintBackground();
    out.write(QStringLiteral("settings/background.png"), background);

    const std::array<QColor, 7> lit{
        QColor(130, 230, 80), QColor(24, 130, 44), QColor(140, 60, 200), QColor(40, 100, 230),
        QColor(250, 140, 20), QColor(140, 84, 36), QColor(230, 30, 30)};
    for (std::size_t i = 0; i < lit.size(); ++i)
        out.write(QStringLiteral("settings/speed-%1.png").arg(i), paintSpeedSegment(lit[i], true));
    out.write(QStringLiteral("settings/speed-off.png"),
              paintSpeedSegment(QColor(120, 122, 132), false));

    out.write(QStringLiteral("settings/yes-up.png"), paintChoice(background, yesButton, false));
    out.write(QStringLiteral("settings/yes-down.png"), paintChoice(background, yesButton, true));
    out.write(QStringLiteral("settings/no-up.png"), paintChoice(background, noButton, false));
    out.write(QStringLiteral("settings/no-down.png"), paintChoice(background, noButton, true));

    for (const bool selected : {false, true}) {
        const QString state = selected ? QStringLiteral("down") : QStringLiteral("up");
        out.write(QStringLiteral("settings/person-%1.png").arg(state),
                  paintChoice(background, personButton, selected));
        out.write(QStringLiteral("settings/computer-%1.png").arg(state),
                  paintChoice(background, computerButton, selected));
    }

    out.write(QStringLiteral("settings/one-player.png"), paintPlayers(background, false));
    out.write(QStringLiteral("settings/two-player.png"), paintPlayers(background, true));
    out.write(QStringLiteral("settings/apply.png"),
              paintCommand(background, applyButton, QColor(40, 170, 60)));
    out.write(QStringLiteral("settings/cancel.png"),
              paintCommand(background, cancelButton, QColor(214, 44, 44)));
}

} // namespace assetgen
