// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/x11_window_icon.h"

#include "widgets/picture_book.h"
#include "widgets/x11_requests.h"

#include <QImage>
#include <QWindow>
#include <array>

namespace zorvik::x11 {

bool HasIcon(QWindow& window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto reply = Own(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, id, Atom(connection, "_NET_WM_ICON"),
                                                XCB_ATOM_CARDINAL, 0, 0),
                               nullptr));
    return reply && reply->type != XCB_ATOM_NONE;
}

// The property is a run of pictures, each its width, its height and its
// pixels as 32-bit ARGB, row by row; every picture after the first is
// appended to it.
void GiveIcon(QWindow& window, const QStringList& pictures) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t property = Atom(connection, "_NET_WM_ICON");
    std::uint8_t mode = XCB_PROP_MODE_REPLACE;
    for (const QString& picture : pictures) {
        const QImage image = EmbeddedPng(picture).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            qFatal("Icon resource %s is missing", qPrintable(picture));
        }
        const std::array<std::uint32_t, 2> size{static_cast<std::uint32_t>(image.width()),
                                                static_cast<std::uint32_t>(image.height())};
        xcb_change_property(connection, mode, id, property, XCB_ATOM_CARDINAL, 32, size.size(),
                            size.data());
        mode = XCB_PROP_MODE_APPEND;
        // A 32-bit image has no padding at the row ends.
        xcb_change_property(connection, mode, id, property, XCB_ATOM_CARDINAL, 32,
                            static_cast<std::uint32_t>(image.width() * image.height()),
                            image.constBits());
    }
}

} // namespace zorvik::x11
