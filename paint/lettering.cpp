// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "paint/lettering.h"

#include "paint/paint_kit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace zorvik::paintkit {

namespace {

constexpr qreal kSmallestShare = 2.0 / 3.0;

// One step smaller, in the unit the font was set in; false below the floor.
bool Shrink(QFont& font, qreal floor) {
    if (font.pixelSize() > 0) {
        if (font.pixelSize() - 1 < floor) {
            return false;
        }
        font.setPixelSize(font.pixelSize() - 1);
        return true;
    }
    if (font.pointSizeF() - 0.25 < floor) {
        return false;
    }
    font.setPointSizeF(font.pointSizeF() - 0.25);
    return true;
}

} // namespace

QFont displayFont(qreal pixelSize) {
    QFont font(QStringLiteral("Lato"));
    font.setWeight(QFont::Black);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont captionFont(qreal pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    return font;
}

QPainterPath textPath(const QRectF& rect, const QString& text, const QFont& font, int flags) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    qreal x = rect.center().x() - width / 2;
    if (flags & Qt::AlignLeft)
        x = rect.left();
    else if (flags & Qt::AlignRight)
        x = rect.right() - width;
    const qreal baseline = rect.center().y() + metrics.capHeight() / 2;
    QPainterPath path;
    path.addText(QPointF(x, baseline), font, text);
    return path;
}

void paintTitle(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                const QColor& colour, int flags) {
    const QPainterPath glyphs = textPath(rect, text, font, flags);
    const bool light = colour.lightness() > 165;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (light)
        paintShadow(painter, glyphs, QPointF(0, 1.5), 3, QColor(0, 0, 16, 200));
    else
        painter.fillPath(glyphs.translated(0, 1), QColor(255, 255, 255, 170));
    const QRectF box = glyphs.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, mix(colour, Qt::white, light ? 0.55 : 0.3));
    fill.setColorAt(0.55, colour);
    fill.setColorAt(1.0, colour.darker(light ? 118 : 130));
    painter.fillPath(glyphs, fill);
    painter.restore();
}

void paintCaption(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                  const QColor& colour, int flags) {
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 150));
    painter.drawText(rect.translated(0, 1), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

Lettering titleLettering(qreal pixelSize, const QColor& colour, int flags) {
    return {Lettering::Style::title, displayFont(pixelSize), colour, flags};
}

Lettering captionLettering(qreal pixelSize, bool bold, const QColor& colour, int flags) {
    return {Lettering::Style::caption, captionFont(pixelSize, bold), colour, flags};
}

FittedText fitText(const QString& text, QFont font, qreal width) {
    const qreal floor =
        (font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF()) * kSmallestShare;
    while (QFontMetricsF(font).horizontalAdvance(text) > width) {
        if (!Shrink(font, floor)) {
            break;
        }
    }
    return {font, QFontMetricsF(font).elidedText(text, Qt::ElideRight, width)};
}

void paintWord(QPainter& painter, const QRectF& place, const QString& text,
               const Lettering& lettering) {
    const FittedText fitted = fitText(text, lettering.font, place.width());
    int flags = lettering.flags;
    if (text.isRightToLeft() && (flags & Qt::AlignLeft)) {
        flags = (flags & ~Qt::AlignLeft) | Qt::AlignRight;
    }
    if (lettering.style == Lettering::Style::title) {
        paintTitle(painter, place, fitted.text, fitted.font, lettering.colour, flags);
    } else {
        paintCaption(painter, place, fitted.text, fitted.font, lettering.colour, flags);
    }
}

} // namespace zorvik::paintkit
