// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "x_session.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

namespace zorvik::e2e {

namespace {

constexpr int kFirstDisplay = 140;
constexpr int kLastDisplay = 199;

bool DisplayInUse(int number) {
    return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
           QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number));
}

// Asks politely first, so that Xvfb removes its lock file.
void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace

XSession::~XSession() {
    StopAll();
}

std::unique_ptr<QProcess> XSession::NewProcess(const QProcessEnvironment& extra) const {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The test itself draws off-screen; what it starts must use this display.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    environment.insert(extra);
    process->setProcessEnvironment(environment);
    // Should the test die before it can clean up, its children go with it.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    return process;
}

std::optional<QString> XSession::Start() {
    for (int number = kFirstDisplay; number <= kLastDisplay && display_.isEmpty(); ++number) {
        if (DisplayInUse(number)) {
            continue;
        }
        auto server = NewProcess();
        server->setStandardErrorFile(QStringLiteral("e2e-xvfb.log"));
        server->start(QStringLiteral("Xvfb"),
                      {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       QStringLiteral("-displayfd"), QStringLiteral("1")});
        if (!server->waitForStarted(5000)) {
            return QStringLiteral("Xvfb does not start: %1 (install xvfb)")
                .arg(server->errorString());
        }
        // Xvfb writes its display number once it takes connections; it exits
        // instead when another server took the number first.
        QByteArray said;
        const QDeadlineTimer deadline(15000);
        while (!said.contains('\n') && server->state() == QProcess::Running &&
               !deadline.hasExpired()) {
            server->waitForReadyRead(100);
            said += server->readAllStandardOutput();
        }
        if (said.trimmed() == QByteArray::number(number)) {
            display_ = QStringLiteral(":%1").arg(number);
            processes_.push_back(std::move(server));
        } else {
            Stop(*server);
        }
    }
    if (display_.isEmpty()) {
        return QStringLiteral("no free X display between :%1 and :%2")
            .arg(kFirstDisplay)
            .arg(kLastDisplay);
    }
    QProcess& windowManager =
        Launch(QStringLiteral("openbox"), {}, QStringLiteral("e2e-openbox.log"));
    if (!windowManager.waitForStarted(5000)) {
        return QStringLiteral("openbox does not start: %1 (install openbox)")
            .arg(windowManager.errorString());
    }
    if (!WaitForWindowManager()) {
        return QStringLiteral("openbox did not take over %1").arg(display_);
    }
    return std::nullopt;
}

// The window manager is in charge once it answers for the desktops.
bool XSession::WaitForWindowManager() {
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (Run(QStringLiteral("xdotool"), {QStringLiteral("get_num_desktops")}).ok()) {
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

QProcess& XSession::Launch(const QString& program, const QStringList& arguments,
                           const QString& logFile, const QProcessEnvironment& extra) {
    auto process = NewProcess(extra);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardOutputFile(logFile);
    process->start(program, arguments);
    processes_.push_back(std::move(process));
    return *processes_.back();
}

ToolResult XSession::Run(const QString& program, const QStringList& arguments, int timeoutMs) {
    const auto process = NewProcess();
    process->start(program, arguments);
    ToolResult result;
    if (!process->waitForStarted(5000)) {
        return result;
    }
    result.finished = process->waitForFinished(timeoutMs);
    if (!result.finished) {
        Stop(*process);
    }
    result.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    result.output = process->readAllStandardOutput();
    return result;
}

QImage XSession::Screenshot() {
    const ToolResult grab =
        Run(QStringLiteral("import"),
            {QStringLiteral("-silent"), QStringLiteral("-window"), QStringLiteral("root"),
             QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("ppm:-")});
    return grab.ok() ? QImage::fromData(grab.output, "PPM") : QImage();
}

void XSession::StopAll() {
    while (!processes_.empty()) {
        Stop(*processes_.back());
        processes_.pop_back();
    }
}

} // namespace zorvik::e2e
