// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/main_window.h"
#include "widgets/picture_book.h"

#include <QApplication>
#include <chrono>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvik"));
    // Every window of the game shows its icon.
    QApplication::setWindowIcon(QIcon(zorvik::EmbeddedPicture(QStringLiteral(":/main/icon.png"))));

    zorvik::PictureBook book;
    const auto seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    zorvik::MainWindow window(book, seed);
    window.show();
    return QApplication::exec();
}
