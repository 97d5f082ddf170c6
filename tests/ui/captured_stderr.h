// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QStringList>
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

namespace zorvik::testkit {

// Collects what the program writes on stderr while it lives.
class CapturedStderr {
public:
    CapturedStderr() {
        std::fflush(stderr);
        if (capture_.open()) {
            dup2(capture_.handle(), STDERR_FILENO);
        }
    }
    ~CapturedStderr() {
        Lines();
        close(saved_);
    }

    // Ends the capture (again, harmlessly) and gives what was written, a line each.
    QStringList Lines() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        capture_.seek(0);
        return QString::fromLocal8Bit(capture_.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    const int saved_ = dup(STDERR_FILENO);
    QTemporaryFile capture_;
};

} // namespace zorvik::testkit
