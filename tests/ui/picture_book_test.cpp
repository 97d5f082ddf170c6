// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/picture_book.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTest>
#include <array>

using namespace zorvik;

namespace {

// Pixels compared as the screen takes them, premultiplied.
QImage Pixels(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class PictureBookTest : public QObject {
    Q_OBJECT
private slots:
    // The pictures are read without loading any image plugin of Qt's, which
    // would stay loaded for the rest of the run (runs first, before the
    // other test reads the same pictures Qt's usual way).
    void readingLoadsNoImagePlugin() {
        QVERIFY(!EmbeddedPicture(QStringLiteral(":/main/background.png")).isNull());
        QVERIFY(!EmbeddedPng(QStringLiteral(":/icons/icon-16.png")).isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));
    }

    // Every picture is kept with the very pixels of its PNG, at 1 and from
    // its @2x twin at 2, each at its device pixel ratio; an opaque one at
    // three bytes a pixel. At another ratio it is the exact device size. One
    // book is asked at 1, then 2: a window moved to a 200 % screen must not
    // show the 1x pictures enlarged.
    void picturesKeepTheirPixels() {
        PictureBook book;
        QDirIterator pictures(QStringLiteral(":/"), {QStringLiteral("*.png")}, QDir::Files,
                              QDirIterator::Subdirectories);
        int checked = 0;
        while (pictures.hasNext()) {
            const QString resource = pictures.next();
            // The icons have no twins, and Qt keeps pictures of its own here.
            if (resource.startsWith(QStringLiteral(":/icons/")) ||
                resource.startsWith(QStringLiteral(":/qt-project.org/")) ||
                resource.endsWith(QStringLiteral("@2x.png"))) {
                continue;
            }
            QString fine = resource;
            fine.insert(fine.lastIndexOf(u'.'), QStringLiteral("@2x"));
            const Picture picture = book.Load(resource);
            for (const auto& [ratio, file] : {std::pair{1.0, resource}, std::pair{2.0, fine}}) {
                const QImage want(file);
                const QPixmap& kept = book.Pixmap(picture, ratio);
                QVERIFY2(Pixels(kept.toImage()) == Pixels(want), qPrintable(file));
                QCOMPARE(kept.devicePixelRatio(), ratio);
                QCOMPARE(kept.depth(), want.hasAlphaChannel() ? 32 : 24);
            }
            const QImage plain(resource);
            const QPixmap between = EmbeddedPicture(resource, 1.5);
            QCOMPARE(between.size(), plain.size() * 1.5);
            QCOMPARE(between.devicePixelRatio(), 1.5);
            ++checked;
        }
        QVERIFY(checked > 40);
    }

    // The parts of a picture are its own pixels there, at 2 and then at 1,
    // though it was read ahead for 1: the window showed first elsewhere.
    void partsKeepTheirPixels() {
        PictureBook book;
        const QString resource = QStringLiteral(":/main/background.png");
        const std::array places{QRect(508, 0, 291, 550), QRect(32, 516, 476, 34)};
        const std::array parts{book.Load(resource, places[0]), book.Load(resource, places[1])};
        book.ReadAhead(parts[1], 1);
        for (const int ratio : {2, 1}) {
            const QImage whole = EmbeddedPicture(resource, ratio).toImage();
            for (std::size_t i = 0; i < parts.size(); ++i) {
                const QPixmap& kept = book.Pixmap(parts[i], ratio);
                QCOMPARE(kept.devicePixelRatio(), ratio);
                const QRect device(places[i].topLeft() * ratio, places[i].size() * ratio);
                QVERIFY(Pixels(kept.toImage()) == Pixels(whole.copy(device)));
            }
        }
    }
};

QTEST_MAIN(PictureBookTest)
#include "picture_book_test.moc"
