// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QImage>

// Each window's pictures, painted and written by one function.
namespace assetgen {

class AssetWriter;

void writeCellPictures(AssetWriter& out);
void writeMainWindowPictures(AssetWriter& out);
void writeEndScreenPictures(AssetWriter& out);
void writeSettingsPictures(AssetWriter& out);
void writeNamesPictures(AssetWriter& out);
void writeHelpPictures(AssetWriter& out);
// The game's icon at every size of the desktop's icon theme.
void writeIcons(AssetWriter& out);

// The empty board cell; the main window's board panel is laid with it too,
// so that whatever a cell picture leaves uncovered still reads as the board.
QImage paintEmptyCell();

} // namespace assetgen
