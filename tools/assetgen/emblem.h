// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QPointF>

class QPainter;

namespace assetgen {

// The game's emblem: a green snake curled into a Z on a dark blue disc in a
// gold ring. The main window's logo, the icon and the help logo use it.
void paintEmblem(QPainter& painter, const QPointF& centre, qreal radius);

} // namespace assetgen
