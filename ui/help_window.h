// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QDialog>

namespace zorvik {

// The help window: how to play, and both players' keys under their names.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString& player1Name, const QString& player2Name, QWidget* parent);
};

} // namespace zorvik
