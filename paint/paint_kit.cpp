// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zorvik::paintkit {

namespace {

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// One pass of a box blur over the alpha channel, along rows or columns.
void boxBlurAlpha(QImage& image, int radius, bool alongRows) {
    const int lines = alongRows ? image.height() : image.width();
    const int length = alongRows ? image.width() : image.height();
    std::vector<int> source(static_cast<std::size_t>(length));
    for (int line = 0; line < lines; ++line) {
        auto pixel = [&](int i) -> QRgb* {
            return alongRows ? reinterpret_cast<QRgb*>(image.scanLine(line)) + i
                             : reinterpret_cast<QRgb*>(image.scanLine(i)) + line;
        };
        for (int i = 0; i < length; ++i)
            source[static_cast<std::size_t>(i)] = qAlpha(*pixel(i));
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += source[static_cast<std::size_t>(std::clamp(i, 0, length - 1))];
        const int window = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            const int alpha = sum / window;
            *pixel(i) = qRgba(0, 0, 0, alpha);
            sum += source[static_cast<std::size_t>(std::clamp(i + radius + 1, 0, length - 1))];
            sum -= source[static_cast<std::size_t>(std::clamp(i - radius, 0, length - 1))];
        }
    }
}

// An image of width by height logical pixels at the pixel ratio.
QImage sheet(const QSize& size, qreal ratio, const QColor& fill) {
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

} // namespace

void smooth(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

void paintBall(QPainter& painter, const QRectF& rect, const QColor& base) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const QPointF centre = rect.center();
    const qreal rx = rect.width() / 2;
    const qreal ry = rect.height() / 2;

    QRadialGradient body(centre, std::max(rx, ry), centre + QPointF(-rx * 0.38, -ry * 0.45));
    body.setColorAt(0.0, mix(base, Qt::white, 0.6));
    body.setColorAt(0.4, base);
    body.setColorAt(0.82, base.darker(145));
    body.setColorAt(1.0, base.darker(260));
    painter.setBrush(body);
    painter.drawEllipse(rect);

    QRadialGradient bounce(centre + QPointF(rx * 0.5, ry * 0.6), rx * 0.75);
    bounce.setColorAt(0.0, withAlpha(mix(base, Qt::white, 0.35), 120));
    bounce.setColorAt(1.0, withAlpha(base, 0));
    painter.setBrush(bounce);
    painter.drawEllipse(rect);

    const QRectF spot(centre.x() - rx * 0.62, centre.y() - ry * 0.74, rx * 0.78, ry * 0.52);
    QRadialGradient shine(QPointF(0.5, 0.5), 0.5);
    shine.setCoordinateMode(QGradient::ObjectMode);
    shine.setColorAt(0.0, QColor(255, 255, 255, 235));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(spot);
    painter.restore();
}

void paintBevelTile(QPainter& painter, const QRectF& rect, const QColor& base, qreal bevel) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const QRectF inner = rect.adjusted(bevel, bevel, -bevel, -bevel);

    QLinearGradient face(inner.topLeft(), inner.bottomRight());
    face.setColorAt(0.0, mix(base, Qt::white, 0.22));
    face.setColorAt(1.0, base.darker(112));
    painter.setBrush(face);
    painter.drawRect(rect);

    auto facet = [&](const QColor& colour, QPointF a, QPointF b, QPointF c, QPointF d) {
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({a, b, c, d}));
    };
    facet(mix(base, Qt::white, 0.6), rect.topLeft(), rect.topRight(), inner.topRight(),
          inner.topLeft());
    facet(mix(base, Qt::white, 0.38), rect.topLeft(), inner.topLeft(), inner.bottomLeft(),
          rect.bottomLeft());
    facet(base.darker(150), rect.topRight(), rect.bottomRight(), inner.bottomRight(),
          inner.topRight());
    facet(base.darker(185), rect.bottomLeft(), inner.bottomLeft(), inner.bottomRight(),
          rect.bottomRight());
    painter.restore();
}

void paintPlate(QPainter& painter, const QRectF& rect, qreal radius, const QColor& base,
                Relief relief) {
    painter.save();
    const bool raised = relief == Relief::raised;
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    if (raised) {
        fill.setColorAt(0.0, mix(base, Qt::white, 0.4));
        fill.setColorAt(0.5, base);
        fill.setColorAt(1.0, base.darker(125));
    } else {
        fill.setColorAt(0.0, base.darker(118));
        fill.setColorAt(0.35, base);
        fill.setColorAt(1.0, mix(base, Qt::white, 0.12));
    }
    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);
    painter.fillPath(shape, fill);

    const QRectF ring = rect.adjusted(1.0, 1.0, -1.0, -1.0);
    QLinearGradient inner(ring.topLeft(), ring.bottomLeft());
    if (raised) {
        inner.setColorAt(0.0, QColor(255, 255, 255, 190));
        inner.setColorAt(0.45, QColor(255, 255, 255, 0));
    } else {
        inner.setColorAt(0.0, QColor(0, 0, 20, 110));
        inner.setColorAt(0.4, QColor(0, 0, 20, 0));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(inner), 1.6));
    painter.drawRoundedRect(ring, std::max(radius - 1.0, 0.0), std::max(radius - 1.0, 0.0));

    if (!raised) {
        QLinearGradient lip(rect.topLeft(), rect.bottomLeft());
        lip.setColorAt(0.6, QColor(255, 255, 255, 0));
        lip.setColorAt(1.0, QColor(255, 255, 255, 170));
        painter.setPen(QPen(QBrush(lip), 1.0));
        painter.drawRoundedRect(rect.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5, radius + 0.5);
    }
    painter.setPen(QPen(withAlpha(base.darker(raised ? 210 : 190), 230), 1.0));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    painter.restore();
}

void paintShadow(QPainter& painter, const QPainterPath& shape, const QPointF& offset, int blur,
                 const QColor& colour) {
    const QRect bounds = shape.boundingRect().toAlignedRect().adjusted(-2 * blur - 2, -2 * blur - 2,
                                                                       2 * blur + 2, 2 * blur + 2);
    const qreal ratio = painter.device()->devicePixelRatioF();
    QImage mask = sheet(bounds.size(), ratio, Qt::transparent);
    {
        QPainter maskPainter(&mask);
        smooth(maskPainter);
        maskPainter.translate(-bounds.topLeft());
        maskPainter.fillPath(shape, Qt::black);
    }
    // Three box passes approach a Gaussian; the blur is in logical pixels.
    const int passRadius = std::max(1, static_cast<int>(blur * ratio / 2));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurAlpha(mask, passRadius, true);
        boxBlurAlpha(mask, passRadius, false);
    }
    QImage tinted = sheet(bounds.size(), ratio, colour);
    {
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        tint.drawImage(0, 0, mask);
    }
    painter.drawImage(QPointF(bounds.topLeft()) + offset, tinted);
}

void paintLogoText(QPainter& painter, const QPainterPath& glyphs, const QColor& top,
                   const QColor& bottom, const QColor& outline, qreal outlineWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintShadow(painter, glyphs, QPointF(1.5, 3), 4, QColor(0, 0, 30, 120));
    painter.setPen(QPen(outline, 2 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glyphs);
    const QRectF box = glyphs.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    painter.fillPath(glyphs, fill);
    // A glassy light over the upper half of the letters.
    QLinearGradient gloss(box.topLeft(), box.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(0.48, QColor(255, 255, 255, 40));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillPath(glyphs, gloss);
    painter.restore();
}

QPainterPath insetPath(const QPainterPath& path, qreal distance) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * distance);
    stroker.setJoinStyle(Qt::RoundJoin);
    return path.subtracted(stroker.createStroke(path)).simplified();
}

void paintTube(QPainter& painter, const QPainterPath& path, const TubeStyle& style) {
    // The body is laid as thin cross-sections, each shaded like a slice of a
    // cylinder lit from the upper left, so the light runs along the body
    // whatever its direction, and later parts of the body lie over earlier
    // ones where it crosses itself.
    painter.save();
    painter.setPen(Qt::NoPen);
    const qreal length = path.length();
    constexpr qreal step = 0.3;
    constexpr qreal sliceLength = 1.1;
    const qreal lightX = -0.45;
    const qreal lightY = -0.72;
    const qreal lightZ = 0.53;
    // A rounded tip at the tail.
    const QPointF tip = path.pointAtPercent(0);
    const qreal tipRadius = style.radius(0);
    QRadialGradient cap(tip, tipRadius, tip + QPointF(-0.3, -0.5) * tipRadius);
    cap.setColorAt(0.0, mix(style.base, Qt::white, 0.4));
    cap.setColorAt(0.6, style.base);
    cap.setColorAt(1.0, style.base.darker(200));
    painter.setBrush(cap);
    painter.drawEllipse(tip, tipRadius, tipRadius);
    for (qreal s = 0; s <= length; s += step) {
        const qreal t = s / length;
        const qreal percent = path.percentAtLength(s);
        const QPointF at = path.pointAtPercent(percent);
        const qreal angle = path.angleAtPercent(percent) * std::numbers::pi / 180;
        const QPointF along(std::cos(angle), -std::sin(angle));
        const QPointF across(-along.y(), along.x());
        const qreal r = style.radius(t);
        const qreal wave = 0.5 + 0.5 * std::cos(2 * std::numbers::pi * s * style.bandsPerPixel);
        const QColor colour =
            style.bandsPerPixel > 0 ? mix(style.base, style.band, std::pow(wave, 4)) : style.base;

        const qreal facing = across.x() * lightX + across.y() * lightY;
        QLinearGradient slice(at + across * r, at - across * r);
        constexpr int stops = 12;
        for (int i = 0; i <= stops; ++i) {
            const qreal u = static_cast<qreal>(i) / stops;
            const qreal x = 1 - 2 * u;
            const qreal z = std::sqrt(std::max(0.0, 1 - x * x));
            const qreal diffuse = std::max(0.0, x * facing + z * lightZ);
            const qreal halfway = std::max(0.0, (x * facing + z * (lightZ + 1)) / 1.75);
            const qreal shine = std::pow(halfway, 24) * 0.8;
            auto channel = [&](int c) {
                return std::clamp(
                    static_cast<int>(std::lround(c * (0.22 + 0.95 * diffuse) + 255 * shine)), 0,
                    255);
            };
            QColor lit(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
            if (i == 0 || i == stops)
                lit = lit.darker(160);
            slice.setColorAt(u, lit);
        }
        painter.setBrush(slice);
        const QPointF half = along * (sliceLength / 2);
        painter.drawPolygon(QPolygonF({at - half + across * r, at + half + across * r,
                                       at + half - across * r, at - half - across * r}));
    }
    painter.restore();
}

void paintSnakeHead(QPainter& painter, const QPointF& centre, qreal length, qreal angle,
                    const QColor& base, Eyes eyes) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const qreal half = length / 2;
    const qreal width = length * 0.4;

    if (eyes == Eyes::open) {
        QPainterPath fork;
        fork.moveTo(half * 0.8, 0);
        fork.lineTo(half * 1.45, 0);
        fork.lineTo(half * 1.75, -half * 0.2);
        fork.moveTo(half * 1.45, 0);
        fork.lineTo(half * 1.75, half * 0.2);
        painter.setPen(QPen(QColor(214, 30, 50), std::max(0.9, length * 0.055), Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(fork);
    }

    QPainterPath head;
    head.moveTo(-half, 0);
    head.cubicTo(-half, -width * 1.05, half * 0.35, -width * 1.02, half, -width * 0.2);
    head.cubicTo(half * 1.06, 0, half * 1.06, 0, half, width * 0.2);
    head.cubicTo(half * 0.35, width * 1.02, -half, width * 1.05, -half, 0);
    QRadialGradient skin(QPointF(0, 0), length * 0.6, QPointF(-half * 0.2, -width * 0.55));
    skin.setColorAt(0.0, mix(base, Qt::white, 0.5));
    skin.setColorAt(0.45, base);
    skin.setColorAt(0.85, base.darker(150));
    skin.setColorAt(1.0, base.darker(240));
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin);
    painter.drawPath(head);

    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(half * 0.22, side * width * 0.5);
        const qreal r = length * 0.11;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 250, 225));
        painter.drawEllipse(eye, r, r);
        if (eyes == Eyes::open) {
            painter.setBrush(QColor(10, 10, 20));
            painter.drawEllipse(eye + QPointF(r * 0.3, 0), r * 0.38, r * 0.75);
            painter.setBrush(QColor(255, 255, 255, 220));
            painter.drawEllipse(eye + QPointF(-r * 0.25, -r * 0.4), r * 0.28, r * 0.28);
        } else {
            const qreal arm = r * 0.62;
            painter.setPen(QPen(QColor(10, 10, 20), r * 0.36, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(eye + QPointF(-arm, -arm), eye + QPointF(arm, arm));
            painter.drawLine(eye + QPointF(-arm, arm), eye + QPointF(arm, -arm));
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(base.darker(230));
        painter.drawEllipse(QPointF(half * 0.82, side * width * 0.14), length * 0.025,
                            length * 0.025);
    }
    painter.restore();
}

void paintRim(QPainter& painter, const QPainterPath& face, const QPointF& end, const QColor& light,
              const QColor& shade, qreal width) {
    painter.save();
    painter.setClipPath(face);
    QLinearGradient rim(QPointF(0, 0), end);
    rim.setColorAt(0.0, light);
    rim.setColorAt(0.5, QColor(light.red(), light.green(), light.blue(), 0));
    rim.setColorAt(0.5001, QColor(shade.red(), shade.green(), shade.blue(), 0));
    rim.setColorAt(1.0, shade);
    painter.setPen(QPen(QBrush(rim), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(face);
    painter.restore();
}

} // namespace zorvik::paintkit
