// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Paints every picture of the game and writes them as PNG files into the
// assets directory given as the only argument: each picture once for
// ordinary screens and once, twice as fine, for HiDPI screens; the icon
// once at each of its sizes.
#include "asset_writer.h"
#include "canvas.h"
#include "paint/lettering.h"
#include "paint/paint_kit.h"
#include "pictures.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// The pictures must come out the same on every run: refuse to paint with a
// substitute face.
bool fontsPresent() {
    const QFontInfo display(zorvik::paintkit::displayFont(20));
    const QFontInfo caption(zorvik::paintkit::captionFont(20));
    bool present = true;
    if (display.family() != QLatin1String("Lato") || display.weight() != QFont::Black) {
        QTextStream(stderr) << "Lato Black is missing (Debian package fonts-lato)\n";
        present = false;
    }
    if (caption.family() != QLatin1String("DejaVu Sans")) {
        QTextStream(stderr) << "DejaVu Sans is missing (Debian package fonts-dejavu-core)\n";
        present = false;
    }
    return present;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zorvik_assetgen ASSETS_DIRECTORY\n";
        return 2;
    }
    if (!fontsPresent())
        return 1;

    const QString root = QString::fromLocal8Bit(argv[1]);
    bool failed = false;
    for (const int scale : {1, 2}) {
        assetgen::setPaintScale(scale);
        assetgen::AssetWriter out(root, scale);
        assetgen::writeCellPictures(out);
        assetgen::writeMainWindowPictures(out);
        assetgen::writeEndScreenPictures(out);
        assetgen::writeSettingsPictures(out);
        assetgen::writeNamesPictures(out);
        assetgen::writeHelpPictures(out);
        failed = failed || out.failed();
    }
    assetgen::setPaintScale(1);
    assetgen::AssetWriter icons(root);
    assetgen::writeIcons(icons);
    return failed || icons.failed() ? 1 : 0;
}
