// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "app/app_info.h"
#include "app/command_line.h"
#include "app/font_check.h"
#include "app/game_icon.h"
#include "app/start_application.h"
#include "ui/main_window.h"
#include "widgets/picture_book.h"
#include "widgets/say_on_stderr.h"

#include <QFontDatabase>
#include <chrono>
#include <malloc.h>
#include <thread>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    // glibc raises the size from which it maps a block of its own each time
    // such a block is freed, up to 32 MB; after the first picture's buffer
    // went, the pictures and the icon's came from the heap, where what is
    // freed stays resident. Fixed at the default 128 KiB, large blocks keep
    // their own mappings and go back to the system when freed (some
    // 0.25 MiB less at the peak).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    // The other threads (the font scan below, Qt's X connection reader,
    // SDL's) allocate little and seldom; an arena of their own each would
    // keep pages of its own resident (some 0.3 MiB at the peak).
    mallopt(M_ARENA_MAX, 1);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments += QString::fromLocal8Bit(argv[i]);
    }
    if (const std::optional<int> exitCode = zorvik::HandleCommandLine(arguments)) {
        return *exitCode;
    }

    QApplication::setApplicationName(u"Zorvik"_s);
    QApplication::setApplicationVersion(QString::fromLatin1(zorvik::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(zorvik::kDesktopId));
    const auto app = zorvik::StartApplication(argc, argv);
    // The font database takes some milliseconds to fill, and the first
    // frame's text needs it: it fills on another core while the windows are
    // made (QFontDatabase is thread-safe), and the fonts are checked once
    // the main window is shown.
    const std::jthread fonts([] { QFontDatabase::families(); });
    zorvik::GiveWindowsTheGameIcon(*app);

    zorvik::PictureBook book;
    const auto seed =
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    zorvik::MainWindow window(book, seed);
    window.show();
    for (const QString& warning :
         {zorvik::MissingFontsWarning(), zorvik::MissingLettersWarning(QLocale())}) {
        if (!warning.isEmpty()) {
            zorvik::SayOnStderr(warning);
        }
    }
    return QApplication::exec();
}
