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
    CapturedStderr() : saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        if (capture_.open()) {
            dup2(capture_.handle(), STDERR_FILENO);
        }
    }
    ~CapturedStderr() { Restore(); }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;

    // Ends the capture and gives what was written, a line each.
    QStringList Lines() {
        Restore();
        capture_.seek(0);
        return QString::fromLocal8Bit(capture_.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void Restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
        }
    }
    QTemporaryFile capture_;
    int saved_;
};

} // namespace zorvik::testkit
