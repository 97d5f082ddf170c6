// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The player names dialog: a light violet panel with the Continue button
// painted at its foot, without its word, which the dialog letters.
#include "asset_writer.h"
#include "canvas.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"
#include "widgets/names_layout.h"
#include "window_shape.h"

#include <QLinearGradient>
#include <QPainter>

namespace assetgen {

using namespace zorvik::paintkit;

namespace {

// The click area of Continue; the button's lip below it reaches the last
// row of the picture, where the window outline takes only its width.
const QRectF continueFace = zorvik::layout::names::kContinueButton;
constexpr qreal pictureHeight = zorvik::layout::names::kBackground.height();

void paintPanel(QPainter& painter, const WindowShape& shape) {
    const QPainterPath contour = shape.contour();
    painter.fillRect(0, 0, shape.width(), shape.height(), palette::navyDeep);
    const QPainterPath face = insetPath(contour, 1.5);
    QLinearGradient violet(0, 0, 0, shape.height());
    violet.setColorAt(0.0, QColor(232, 224, 255));
    violet.setColorAt(1.0, QColor(212, 200, 250));
    painter.fillPath(face, violet);

    paintRim(painter, face, QPointF(shape.width() * 0.3, shape.height()),
             QColor(255, 255, 255, 240), QColor(40, 20, 90, 150), 5);
}

void paintContinue(QPainter& painter) {
    const QRectF lip(continueFace.left(), continueFace.top() + 4, continueFace.width(),
                     pictureHeight - continueFace.top() - 4);
    QPainterPath button;
    button.addRoundedRect(continueFace.united(lip), 10, 10);
    paintShadow(painter, button, QPointF(0, 1), 3, QColor(20, 0, 60, 120));
    QLinearGradient side(lip.topLeft(), lip.bottomLeft());
    side.setColorAt(0.0, palette::navyDeep);
    side.setColorAt(1.0, QColor(8, 10, 30));
    QPainterPath lipShape;
    lipShape.addRoundedRect(lip, 10, 10);
    painter.fillPath(lipShape, side);
    paintPlate(painter, continueFace, 10, palette::buttonBlue, Relief::raised);
}

} // namespace

void writeNamesPictures(AssetWriter& out) {
    const WindowShape shape = namesWindowShape();
    QImage image = canvas(shape.width(), shape.height());
    QPainter painter(&image);
    smooth(painter);
    paintPanel(painter, shape);
    paintContinue(painter);
    painter.end();
    out.write(QStringLiteral("names/background.png"), image);
}

} // namespace assetgen
