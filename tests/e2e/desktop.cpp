// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "desktop.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QThread>

namespace zorvik::e2e {

namespace {

QString ExactTitle(const QString& title) {
    return QLatin1Char('^') + title + QLatin1Char('$');
}

} // namespace

ToolResult Desktop::Xdotool(const QStringList& arguments, int timeoutMs) {
    return session_.Run(QStringLiteral("xdotool"), arguments, timeoutMs);
}

std::optional<WindowId> Desktop::WaitForWindow(const QString& title, int timeoutMs) {
    // Toolkits keep hidden helper windows under the same title, so only a
    // mapped window counts.
    const ToolResult found =
        Xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                 QStringLiteral("--onlyvisible"), QStringLiteral("--name"), ExactTitle(title)},
                timeoutMs);
    if (!found.ok()) {
        return std::nullopt;
    }
    const QByteArray first = found.output.split('\n').value(0).trimmed();
    return first.isEmpty() ? std::nullopt : std::optional<WindowId>(QString::fromLatin1(first));
}

bool Desktop::WindowShown(const QString& title) {
    return Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), ExactTitle(title)})
        .ok();
}

std::optional<QRect> Desktop::Geometry(const WindowId& window) {
    const ToolResult shell =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    if (!shell.ok()) {
        return std::nullopt;
    }
    QMap<QByteArray, int> values;
    for (const QByteArray& line : shell.output.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0) {
            values.insert(line.left(equals), line.mid(equals + 1).trimmed().toInt());
        }
    }
    for (const char* key : {"X", "Y", "WIDTH", "HEIGHT"}) {
        if (!values.contains(key)) {
            return std::nullopt;
        }
    }
    return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
}

bool Desktop::Click(const WindowId& window, QPoint at) {
    // No --sync: it waits for ever when the pointer is already there.
    return Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                    QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                    QStringLiteral("1")})
        .ok();
}

std::optional<WindowId> Desktop::ActiveWindow() {
    const ToolResult active = Xdotool({QStringLiteral("getactivewindow")});
    if (!active.ok()) {
        return std::nullopt;
    }
    return QString::fromLatin1(active.output.trimmed());
}

bool Desktop::Activate(const WindowId& window) {
    if (ActiveWindow() == window) {
        return true;
    }
    Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window}, 5000);
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (ActiveWindow() == window) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

bool Desktop::Type(const QString& text) {
    return Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text})
        .ok();
}

bool Desktop::Key(const QString& keys) {
    return Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys}).ok();
}

QImage Desktop::Grab(const QRect& area) {
    const QImage screen = session_.Screenshot();
    return screen.isNull() ? QImage() : screen.copy(area).convertToFormat(QImage::Format_RGB32);
}

} // namespace zorvik::e2e
