// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

class QCoreApplication;
class QString;

namespace zorvik {

// Makes every tr() of the running application speak the desktop's language
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the game's own words and Qt's
// (a message box's buttons). A language without a translation stays English.
void InstallTranslations(QCoreApplication& application);

// A text in the desktop's language before any application exists, for the
// command line. `context` and `text` are those of a tr() call.
QString TranslateEarly(const char* context, const char* text);

} // namespace zorvik
