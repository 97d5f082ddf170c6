// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

namespace zorvik::e2e {

// What a short-lived X tool (xdotool, import) gave back.
struct ToolResult {
    bool finished = false;
    int exitCode = -1;
    QByteArray output;

    bool ok() const { return finished && exitCode == 0; }
};

// A private X server with a window manager, and the programs run on it.
// Every process it starts dies with the test, however the test ends: the
// destructor stops them, and each is also told to quit should the test
// process itself die.
class XSession {
public:
    XSession() = default;
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;
    ~XSession();

    // Starts Xvfb on the first free display from :140 and openbox on it.
    // Returns an error text, or nothing on success.
    std::optional<QString> Start();

    // Starts a long-running program on the display, its output into logFile.
    QProcess& Launch(const QString& program, const QStringList& arguments, const QString& logFile,
                     const QProcessEnvironment& extra = {});

    // Runs a tool on the display and waits for it, killing it at the timeout.
    ToolResult Run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

    // The whole screen as it is now; a null image if the grab failed.
    QImage Screenshot();

    QString display() const { return display_; }

private:
    std::unique_ptr<QProcess> NewProcess(const QProcessEnvironment& extra = {}) const;
    bool WaitForWindowManager();
    void StopAll();

    QString display_;
    QTemporaryDir runtimeDir_;
    // In start order; stopped in reverse.
    std::vector<std::unique_ptr<QProcess>> processes_;
};

} // namespace zorvik::e2e
