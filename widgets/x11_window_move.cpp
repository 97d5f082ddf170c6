// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/x11_window_move.h"

#include "widgets/x11_requests.h"

#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>
#include <span>

namespace zorvik::x11 {

namespace {

// The actions of the move request that a drag uses.
constexpr std::uint32_t kMove = 8;
constexpr std::uint32_t kCancel = 11;
constexpr std::uint32_t kLeftButton = 1;
constexpr std::uint32_t kFromApplication = 1;

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply =
        Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// Whether the window manager lists the request among those it supports.
bool Supported(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    const auto reply = Own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const std::span atoms(static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get())),
                          static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) /
                              sizeof(xcb_atom_t));
    return std::ranges::find(atoms, request) != atoms.end();
}

// Sends the move request with one action to the window manager; false where
// it takes none.
bool Send(QWindow& window, std::uint32_t action, QPoint pointer) {
    xcb_connection_t* connection = Connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root =
        connection != nullptr ? RootOf(connection, id) : xcb_window_t{XCB_WINDOW_NONE};
    if (root == XCB_WINDOW_NONE) {
        return false;
    }
    const xcb_atom_t request = Atom(connection, "_NET_WM_MOVERESIZE");
    if (!Supported(connection, root, request)) {
        return false;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    message.data.data32[0] = static_cast<std::uint32_t>(pointer.x());
    message.data.data32[1] = static_cast<std::uint32_t>(pointer.y());
    message.data.data32[2] = action;
    message.data.data32[3] = kLeftButton;
    message.data.data32[4] = kFromApplication;
    // The window manager can take the pointer only once this program lets go.
    if (action == kMove) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    }
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

} // namespace

bool RequestMove(QWindow& window, QPointF pointer) {
    // The window manager counts in the screen's own pixels.
    return Send(window, kMove, QHighDpi::toNativeGlobalPosition(pointer, &window).toPoint());
}

void CancelMove(QWindow& window) {
    Send(window, kCancel, {});
}

} // namespace zorvik::x11
