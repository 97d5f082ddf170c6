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
#include <limits>

using namespace Qt::StringLiterals;

namespace zorvik {

namespace {

// The largest icon a window list or title bar draws; larger ones come from
// the desktop's icon theme, where the package installs every size.
constexpr int kLargestWindowIcon = 128;

// The game's icon at each size up to `largest`: ":/icons/icon-<size>.png".
QStringList IconPictures(int largest = std::numeric_limits<int>::max()) {
    const QDir sizes(u":/icons"_s);
    QStringList pictures;
    for (const QString& name : sizes.entryList(QDir::Files)) {
        if (name.section(u'-', 1).section(u'.', 0, 0).toInt() <= largest) {
            pictures += sizes.filePath(name);
        }
    }
    return pictures;
}

// On X11 a window gets the icon when it is first shown, before the window
// manager takes it in.
class X11WindowIcons : public QObject {
public:
    explicit X11WindowIcons(QObject& application)
        : QObject(&application), pictures_(IconPictures(kLargestWindowIcon)) {}

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
