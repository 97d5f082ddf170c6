// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "app/font_check.h"

#include "ui/fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace zorvik {

namespace {

// A face the windows use, with the free face that stands in for it and its
// Debian package.
struct WantedFace {
    QFont font;
    QString standIn;
    QString package;
};

// Every family a font asks for but its last, which is the last resort.
bool AskedForFaceFound(const QFont& font) {
    QStringList asked = font.families();
    asked.removeLast();
    return asked.contains(QFontInfo(font).family());
}

// What the screen shows in place of the missing faces: one or two others, or none.
QString ShownInstead(const QStringList& faces) {
    switch (faces.size()) {
    case 0:
        return QCoreApplication::translate("FontCheck",
                                           "no font is installed at all, so text shows as boxes");
    case 1:
        return QCoreApplication::translate("FontCheck", "text is shown in %1 instead",
                                           "%1 is a font's name")
            .arg(faces.first());
    default:
        return QCoreApplication::translate("FontCheck", "text is shown in %1 and %2 instead",
                                           "%1 and %2 are fonts' names")
            .arg(faces.first(), faces.last());
    }
}

// The scripts of the game's languages that the faces it asks for lack, with
// the writing system a fallback face must have and its Debian package.
struct ScriptFaces {
    QLocale::Script script;
    QFontDatabase::WritingSystem letters;
    const char* package;
};

constexpr ScriptFaces kFallbackScripts[] = {
    {QLocale::JapaneseScript, QFontDatabase::Japanese, "fonts-noto-cjk"},
    {QLocale::SimplifiedHanScript, QFontDatabase::SimplifiedChinese, "fonts-noto-cjk"},
    {QLocale::ArabicScript, QFontDatabase::Arabic, "fonts-dejavu-core"},
    {QLocale::CyrillicScript, QFontDatabase::Cyrillic, "fonts-dejavu-core"},
};

} // namespace

QString MissingLettersWarning(const QLocale& language) {
    for (const ScriptFaces& faces : kFallbackScripts) {
        if (faces.script == language.script() && QFontDatabase::families(faces.letters).isEmpty()) {
            return QCoreApplication::translate(
                       "FontCheck",
                       "no installed font has the letters of %1, so its words show as boxes "
                       "(Debian package %2)",
                       "%1 is the language's own name; %2 a package name")
                .arg(language.nativeLanguageName(), QLatin1String(faces.package));
        }
    }
    return {};
}

QString MissingFontsWarning() {
    const WantedFace faces[] = {
        {DisplayFont(12), u"Lato Black"_s, u"fonts-lato"_s},
        {PlainFont(12, false), u"Liberation Sans"_s, u"fonts-liberation"_s},
    };
    QStringList missing;
    QStringList packages;
    QStringList shownInstead;
    for (const WantedFace& face : faces) {
        if (!AskedForFaceFound(face.font)) {
            missing += face.standIn;
            packages += face.package;
            const QString used = QFontInfo(face.font).family();
            if (!used.isEmpty() && !shownInstead.contains(used)) {
                shownInstead += used;
            }
        }
    }
    if (missing.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate("FontCheck", "fonts missing: %1 (Debian packages %2); %3.",
                                       "%1: font names; %2: package names; %3: what is shown "
                                       "instead")
        .arg(missing.join(u", "_s), packages.join(u' '), ShownInstead(shownInstead));
}

} // namespace zorvik
