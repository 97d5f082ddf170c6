// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/main_window.h"
#include "widgets/picture_book.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <chrono>

using namespace Qt::StringLiterals;

namespace {

// The icon at every size the picture generator paints.
QIcon GameIcon() {
    QIcon icon;
    const QDir sizes(u":/icons"_s);
    for (const QString& name : sizes.entryList(QDir::Files)) {
        icon.addPixmap(zorvik::EmbeddedPicture(sizes.filePath(name)));
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Zorvik"_s);
    // Every window of the game shows its icon.
    QApplication::setWindowIcon(GameIcon());

    zorvik::PictureBook book;
    const auto seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    zorvik::MainWindow window(book, seed);
    window.show();
    return QApplication::exec();
}
