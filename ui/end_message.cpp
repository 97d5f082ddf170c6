// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/end_message.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

namespace zorvik {

namespace {

QString Isolated(const QString& name) {
    return QChar(0x2068) + name + QChar(0x2069);
}

QString Wording(Outcome outcome) {
    switch (outcome) {
    case Outcome::Won:
        return QCoreApplication::translate("zorvik::EndScreen", "%1 Won",
                                           "the last line of a two-player game; %1 is the "
                                           "winner's name");
    case Outcome::BittenToDeath:
        return QCoreApplication::translate("zorvik::EndScreen", "%1 was bitten to death",
                                           "%1 is the name of the player who lost");
    case Outcome::Collided:
        break;
    }
    return QCoreApplication::translate("zorvik::EndScreen", "%1 Collided with %2",
                                       "the game ends as the snake of player %1 runs into "
                                       "the snake of player %2");
}

} // namespace

QString FitEndMessage(const EndMessage& message, const PlayerNames& names,
                      const QFontMetrics& metrics, int width) {
    const QString wording = Wording(message.outcome);
    const bool hasOther = message.otherPlayer != 0;
    const QString name = names.at(static_cast<std::size_t>(message.player - 1));
    const QString other =
        hasOther ? names.at(static_cast<std::size_t>(message.otherPlayer - 1)) : QString();
    // One pass of arg() for both names, so that a name holding "%2" stays as typed.
    const auto line = [&](const QString& first, const QString& second) {
        return hasOther ? wording.arg(Isolated(first), Isolated(second))
                        : wording.arg(Isolated(first));
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
