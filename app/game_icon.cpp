// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "app/game_icon.h"

#include "widgets/x11_window_icon.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace zorvik {

namespace {

QStringList IconPictures() {
    const QDir sizes(u":/icons"_s);
    QStringList pictures;
    for (const QString& name : sizes.entryList(QDir::Files)) {
        pictures += sizes.filePath(name);
    }
    return pictures;
}

// On X11 a window gets the icon when it is first shown, before the window
// manager takes it in.
class X11WindowIcons : public QObject {
public:
    explicit X11WindowIcons(QObject& application)
        : QObject(&application), pictures_(IconPictures()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            const auto* widget = static_cast<QWidget*>(watched);
            QWindow* window = widget->windowHandle();
            if (widget->isWindow() && window != nullptr && !x11::HasIcon(*window)) {
                x11::GiveIcon(*window, pictures_);
            }
        }
        return false;
    }

private:
    QStringList pictures_;
};

} // namespace

void GiveWindowsTheGameIcon(QObject& application) {
    if (QGuiApplication::platformName() == u"xcb"_s) {
        application.installEventFilter(new X11WindowIcons(application));
        return;
    }
    // Elsewhere Qt gives the windows their icon; a picture added by its name
    // is read only when the platform asks for that size.
    QIcon icon;
    for (const QString& picture : IconPictures()) {
        icon.addFile(picture);
    }
    QApplication::setWindowIcon(icon);
}

} // namespace zorvik
