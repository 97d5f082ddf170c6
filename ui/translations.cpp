// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <mutex>

namespace zorvik {

namespace {

// The game's translations are built into the program; Qt's come from the
// system's Qt, where the desktop's packages put them. A language with no
// translation loads nothing, and its texts stay English.
void LoadGameWords(QTranslator& translator) {
    (void)translator.load(QLocale(), QStringLiteral("zorvik"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"));
}

} // namespace

void InstallTranslations(QCoreApplication& application) {
    auto* game = new QTranslator(&application);
    LoadGameWords(*game);
    auto* qt = new QTranslator(&application);
    (void)qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(game);
}

QString TranslateEarly(const char* context, const char* text) {
    static QTranslator game;
    static std::once_flag loaded;
    std::call_once(loaded, [] { LoadGameWords(game); });
    const QString translated = game.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace zorvik
