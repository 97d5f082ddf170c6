// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The start-up check of the faces the windows ask for. Each case runs in a
// process of its own with the fonts it names (FONTCONFIG_FILE, set by CTest),
// as a process reads its fonts once.
#include "app/font_check.h"

#include <QTest>

using namespace zorvik;

class FontCheckTest : public QObject {
    Q_OBJECT
private slots:
    // With Debian's font packages installed, a player sees no warning, in
    // whatever language the game speaks.
    void installedFacesRaiseNoWarning() {
        QCOMPARE(MissingFontsWarning(), QString());
        for (const char* language : {"ja", "zh_CN", "ar", "ru", "de"}) {
            QCOMPARE(MissingLettersWarning(QLocale(QLatin1String(language))), QString());
        }
    }

    // Only DejaVu Sans is there: both stand-ins are named with the packages
    // that bring them, and the face actually shown.
    void missingFacesAreNamedWithTheirPackages() {
        const QString warning = MissingFontsWarning();
        for (const char* said : {"Lato Black", "Liberation Sans", "fonts-lato fonts-liberation",
                                 "shown in DejaVu Sans instead"}) {
            QVERIFY2(warning.contains(QLatin1String(said)), qPrintable(warning));
        }
        QVERIFY(!warning.contains(u'\n'));
        // DejaVu Sans has Arabic and Cyrillic letters, but no Japanese or Chinese ones.
        for (const char* language : {"ja", "zh_CN"}) {
            const QString letters = MissingLettersWarning(QLocale(QLatin1String(language)));
            QVERIFY2(letters.contains(u"fonts-noto-cjk"), qPrintable(letters));
        }
        QCOMPARE(MissingLettersWarning(QLocale(u"ar"_qs)) +
                     MissingLettersWarning(QLocale(u"ru"_qs)),
                 QString());
    }

    // No font at all: the player is told why the text shows as boxes.
    void noFontAtAllIsSaid() {
        const QString warning = MissingFontsWarning();
        QVERIFY2(warning.contains(u"fonts-lato fonts-liberation"), qPrintable(warning));
        QVERIFY2(warning.contains(u"no font is installed at all"), qPrintable(warning));
    }
};

QTEST_MAIN(FontCheckTest)
#include "font_check_test.moc"
