// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "app/start_application.h"

#include "ui/translations.h"
#include "widgets/accessible_control.h"
#include "widgets/say_on_stderr.h"

#include <QStringList>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace zorvik {

namespace {

constexpr int kNoDisplay = 1;

// The line printed when no display could be opened, naming the display
// settings of the environment.
QString NoDisplayMessage() {
    QStringList settings;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty()) {
            settings += u"%1=%2"_s.arg(QLatin1StringView(name), value);
        }
    }
    const QString which =
        settings.isEmpty()
            ? TranslateEarly("StartApplication", "neither DISPLAY nor WAYLAND_DISPLAY is set")
            : settings.join(u", "_s);
    return TranslateEarly("StartApplication", "no display could be opened (%1); the game needs "
                                              "a desktop session (X11 or Wayland).")
        .arg(which);
}

// A message of Qt's, kept with copies of its context (a null array for a
// null pointer).
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// The message handler is a plain function, so what it holds lives here; it is
// in use only while the application is being built.
std::vector<HeldMessage> heldMessages;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The only fatal message while the application is built is that no
        // platform could be opened. Nothing is shown yet, and the half-built
        // application must not be torn down: leave at once.
        SayOnStderr(NoDisplayMessage());
        std::_Exit(kNoDisplay);
    }
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    const auto pointer = [](const QByteArray& copy) {
        return copy.isNull() ? nullptr : copy.constData();
    };
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(pointer(message.file), message.line,
                                         pointer(message.function), pointer(message.category));
        previous(message.type, context, message.text);
    }
    heldMessages.clear();
    InstallTranslations(*app);
    InstallAccessibleControls();
    return app;
}

} // namespace zorvik
