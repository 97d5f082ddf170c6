// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
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

    // Starts a private X server with a window manager for the programs
    // launched from then on, on the first free display from
    // ZORVIK_E2E_DISPLAY_FROM (150). The screen has room for the main window
    // at twice the scale. The logs are named after `logs`.
    void StartDesktop(const QString& logs) {
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess& desktop = Launch(
            QStringLiteral("\"%1\" %2 1920x1200x24 %3")
                .arg(env_.value(QStringLiteral("ZORVIK_PRIVATE_DISPLAY")),
                     env_.value(QStringLiteral("ZORVIK_E2E_DISPLAY_FROM"), QStringLiteral("150")),
                     logs),
            logs + QStringLiteral("-display.log"));
        const QString display = desktop.waitForReadyRead(120000)
                                    ? QString::fromLatin1(desktop.readLine()).trimmed()
                                    : QString();
        QVERIFY2(display.startsWith(u':'),
                 qPrintable(QStringLiteral("no private display; see %1-display.log").arg(logs)));
        env_.insert(QStringLiteral("DISPLAY"), display);
    }
    // The visible window titled `title`: toolkits keep hidden ones by the
    // same name.
    QString Window(const QString& title, int timeoutMs = 30000) {
        const auto found =
            Run(QStringLiteral("xdotool search --sync --onlyvisible --name ^%1$").arg(title),
                timeoutMs);
        return QString::fromLatin1(found.value_or("")).section(u'\n', 0, 0);
    }
    // Starts the game named by ZORVIK_GAME at `scale`, its errors into a log
    // named after `logs`, and finds its main window: whether it came up.
    bool OpenGame(const QString& logs, int scale) {
        env_.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        game_ = &Launch(QStringLiteral("\"%1\"").arg(env_.value(QStringLiteral("ZORVIK_GAME"))),
                        QStringLiteral("%1-game-%2x.log").arg(logs).arg(scale));
        main_ = Window(QStringLiteral("Zorvik"), 90000);
        return !main_.isEmpty();
    }
    // Where a window's top left corner lies on the screen.
    std::optional<QPoint> Position(const QString& window) {
        const auto xy = Run(
            QStringLiteral("sh -c \"eval $(xdotool getwindowgeometry --shell %1); echo -n $X $Y\"")
                .arg(window));
        const QList<QByteArray> at = xy.value_or("").split(' ');
        return at.size() == 2 ? std::optional(QPoint(at[0].toInt(), at[1].toInt())) : std::nullopt;
    }
    // No --sync: it waits for ever when the pointer is already there.
    bool Click(const QString& window, QPoint at) {
        return Run(QStringLiteral("xdotool mousemove --window %1 %2 %3 click 1")
                       .arg(window)
                       .arg(at.x())
                       .arg(at.y()))
            .has_value();
    }

    QProcess* game_ = nullptr;
    // The game's main window.
    QString main_;
    QTemporaryDir runtimeDir_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
};

} // namespace zorvik::testkit
