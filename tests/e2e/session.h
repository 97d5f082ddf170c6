// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>
#include <ranges>
#include <sys/prctl.h>

namespace zorvik::testkit {

// The bounding box of the pixels in which two screenshots differ: where a
// window came up or went.
inline QRect Difference(const QImage& before, const QImage& after) {
    QRect box;
    for (int i = 0; i < after.width() * after.height(); ++i) {
        const QPoint at(i % after.width(), i / after.width());
        box |= before.pixel(at) != after.pixel(at) ? QRect(at, QSize(1, 1)) : QRect();
    }
    return box;
}

// The processes of an end-to-end test around a display server of its own.
// The test ends them newest first, so that the server outlives its clients;
// should the test die first, they go with it.
class Session : public QObject {
public:
    Session() {
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
        // The sanitizers report a leak inside the system's D-Bus library at
        // exit; the game's own leaks still fail the exit check.
        env_.insert(QStringLiteral("LSAN_OPTIONS"),
                    QStringLiteral("suppressions=%1:print_suppressions=0")
                        .arg(env_.value(QStringLiteral("ZORVIK_LSAN_SUPPRESSIONS"))));
    }
    ~Session() override {
        for (QProcess* process : findChildren<QProcess*>() | std::views::reverse) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    // Polls until `done` holds, long enough for a sanitizer build on a busy
    // machine.
    template <typename Done> static bool Wait(Done done) { return QTest::qWaitFor(done, 30000); }
    // Starts `command` in the test's environment, its errors into `log`.
    QProcess& Launch(const QString& command, const QString& log = {}) {
        auto* process = new QProcess(this);
        QStringList arguments = QProcess::splitCommand(command);
        process->setProcessEnvironment(env_);
        process->setStandardErrorFile(log);
        process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process->start(arguments.takeFirst(), arguments);
        return *process;
    }
    // Runs a tool: its output, or nothing if it failed or outlasted the timeout.
    std::optional<QByteArray> Run(const QString& command, int timeoutMs = 10000) {
        const std::unique_ptr<QProcess> tool(&Launch(command));
        const bool ok = tool->waitForFinished(timeoutMs) &&
                        tool->exitStatus() == QProcess::NormalExit && tool->exitCode() == 0;
        return ok ? std::optional(tool->readAllStandardOutput()) : std::nullopt;
    }

    // Starts a private X server with a window manager, for the programs
    // launched from then on; what failed, or nothing. Xvfb prints its display
    // number once it takes connections, and exits instead when another server
    // has the number; the first number tried is ZORVIK_E2E_DISPLAY_FROM
    // (150). The screen has room for the main window at twice the scale. The
    // server never resets: by default it starts over each time its last client
    // leaves, and a poll that came and went before the window manager had
    // connected would pull the display from under it. The logs are named
    // after `logs`.
    QString StartDesktop(const QString& logs) {
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const QString display = QStringLiteral("DISPLAY");
        env_.remove(display);
        const int from =
            env_.value(QStringLiteral("ZORVIK_E2E_DISPLAY_FROM"), QStringLiteral("150")).toInt();
        for (int number = from; number < from + 50 && !env_.contains(display); ++number) {
            QProcess& xvfb = Launch(
                QStringLiteral("Xvfb :%1 -screen 0 1920x1200x24 -noreset -displayfd 1").arg(number),
                logs + QStringLiteral("-xvfb.log"));
            if (xvfb.waitForReadyRead(15000) && xvfb.readLine().toInt() == number) {
                env_.insert(display, QStringLiteral(":%1").arg(number));
            }
        }
        if (!env_.contains(display)) {
            return QStringLiteral("Xvfb took no display from :%1 to :%2").arg(from).arg(from + 49);
        }
        // Windows do not stick to the edges of others and of the screen, so
        // that a window goes exactly where it is dragged.
        QFile system(QStringLiteral("/etc/xdg/openbox/rc.xml"));
        QFile config(runtimeDir_.filePath(QStringLiteral("openbox.xml")));
        if (!system.open(QIODevice::ReadOnly) || !config.open(QIODevice::WriteOnly)) {
            return QStringLiteral("no openbox configuration to start from");
        }
        config.write(QString::fromUtf8(system.readAll())
                         .replace(QRegularExpression(QStringLiteral("strength>\\d+<")),
                                  QStringLiteral("strength>0<"))
                         .toUtf8());
        config.close();
        Launch(QStringLiteral("openbox --config-file %1").arg(config.fileName()),
               logs + QStringLiteral("-openbox.log"));
        // The window manager is in charge once it answers for the desktops.
        const bool managed =
            Wait([&] { return Run(QStringLiteral("xdotool get_num_desktops")).has_value(); });
        return managed ? QString() : QStringLiteral("no openbox");
    }
    // The visible window titled `title`: toolkits keep hidden ones by the
    // same name.
    QString Window(const QString& title, int timeoutMs = 30000) {
        const auto found =
            Run(QStringLiteral("xdotool search --sync --onlyvisible --name ^%1$").arg(title),
                timeoutMs);
        return QString::fromLatin1(found.value_or("")).section(u'\n', 0, 0);
    }
    // No --sync: it waits for ever when the pointer is already there.
    bool Click(const QString& window, QPoint at) {
        return Run(QStringLiteral("xdotool mousemove --window %1 %2 %3 click 1")
                       .arg(window)
                       .arg(at.x())
                       .arg(at.y()))
            .has_value();
    }

    QTemporaryDir runtimeDir_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
};

} // namespace zorvik::testkit
