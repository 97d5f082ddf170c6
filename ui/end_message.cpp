// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/end_message.h"

#include <QFontMetrics>
#include <algorithm>

namespace zorvik {

namespace {

QString Isolated(const QString& name) {
    return QChar(0x2068) + name + QChar(0x2069);
}

} // namespace

QString FitEndMessage(const EndMessage& message, const QFontMetrics& metrics, int width) {
    const QString name = QString::fromStdString(message.name);
    const QString words = QString::fromStdString(message.words);
    const QString other = QString::fromStdString(message.otherName);
    const bool hasOther = !message.otherName.empty();
    const auto line = [&](const QString& first, const QString& second) {
        return Isolated(first) + words + (hasOther ? Isolated(second) : QString());
    };
    const QString whole = line(name, other);
    if (metrics.horizontalAdvance(whole) <= width) {
        return whole;
    }
    // The names share the room the words leave; a name shorter than its
    // half leaves the rest to the other.
    const int room = width - metrics.horizontalAdvance(line({}, {}));
    int nameRoom = hasOther ? room / 2 : room;
    int otherRoom = room - nameRoom;
    if (hasOther) {
        const int nameWidth = metrics.horizontalAdvance(name);
        const int otherWidth = metrics.horizontalAdvance(other);
        if (nameWidth < nameRoom) {
            nameRoom = nameWidth;
            otherRoom = room - nameWidth;
        } else if (otherWidth < otherRoom) {
            otherRoom = otherWidth;
            nameRoom = room - otherWidth;
        }
    }
    const auto shorten = [&](const QString& text, int roomFor) {
        return metrics.horizontalAdvance(text) <= roomFor
                   ? text
                   : metrics.elidedText(text, Qt::ElideRight, std::max(roomFor, 0));
    };
    return line(shorten(name, nameRoom), shorten(other, otherRoom));
}

} // namespace zorvik
