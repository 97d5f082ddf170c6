// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "app/command_line.h"

#include "app/app_info.h"
#include "ui/translations.h"
#include "widgets/say_on_stderr.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace zorvik {

namespace {

constexpr int kRefused = 2;

int Refuse(const QString& reason) {
    SayOnStderr(reason + u' ' +
                TranslateEarly("CommandLine", "Zorvik takes only --help and --version."));
    return kRefused;
}

// The parser names the program only once an application object exists, which
// the command line must not need, so the usage line is written here.
QString HelpText(const QCommandLineParser& parser) {
    return TranslateEarly("CommandLine", "Usage: zorvik [options]") + u'\n' +
           parser.helpText().section(u'\n', 1);
}

} // namespace

std::optional<int> HandleCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        TranslateEarly("CommandLine", "Zorvik, a snake game for one player or for two players "
                                      "sharing one keyboard."));
    // "-platform" reads as one unknown option, not as eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({u"h"_s, u"help"_s},
                                  TranslateEarly("CommandLine", "Shows this help and exits."));
    const QCommandLineOption version({u"v"_s, u"version"_s},
                                     TranslateEarly("CommandLine", "Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(arguments)) {
        return Refuse(parser.errorText());
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        return Refuse(
            TranslateEarly("CommandLine", "Unexpected argument '%1'.").arg(extra.first()));
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << HelpText(parser);
        return 0;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "zorvik " << kVersion << '\n';
        return 0;
    }
    return std::nullopt;
}

} // namespace zorvik
