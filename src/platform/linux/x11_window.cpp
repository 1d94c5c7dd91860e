// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <xcb/xcb.h>

#include "platform/platform.h"

namespace vorlix {

namespace {

// A reply of libxcb, freed with free() as libxcb asks.
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
XcbReply<Reply> owned(Reply* reply)
{
    return XcbReply<Reply>(reply, &std::free);
}

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* x, std::string_view name)
{
    const auto reply = owned(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t rootOf(xcb_connection_t* x, xcb_window_t window)
{
    const auto reply = owned(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// The name the running window manager gives itself (_NET_WM_NAME on its check window); empty
// without one.
std::string windowManagerName(xcb_connection_t* x, xcb_window_t root)
{
    const auto check = owned(xcb_get_property_reply(
        x, xcb_get_property(x, 0, root, atom(x, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!check || xcb_get_property_value_length(check.get()) != sizeof(xcb_window_t)) return {};
    const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
    const auto name = owned(xcb_get_property_reply(
        x, xcb_get_property(x, 0, wm, atom(x, "_NET_WM_NAME"), atom(x, "UTF8_STRING"), 0, 64), nullptr));
    if (!name) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                       static_cast<size_t>(xcb_get_property_value_length(name.get())));
}

}  // namespace

QPoint windowPosition(const QWidget& window)
{
    // Qt takes a top-level window's position from the ConfigureNotify events it gets, and does not
    // trust their coordinates: it asks the X server where the window stands. A reparenting window
    // manager (openbox) may be asked while it is still placing the frame it has just put the
    // window in; the answer is then the frame's first place, (0,0), and when the frame moves to
    // its real place the window itself does not move within it, so no further event corrects
    // Qt's record. The X server always knows.
    xcb_connection_t* x = x11Connection();
    const WId id = window.internalWinId();
    if (!x || !id) return window.pos();
    const xcb_window_t root = rootOf(x, static_cast<xcb_window_t>(id));
    if (root == XCB_WINDOW_NONE) return window.pos();
    const auto onRoot = owned(xcb_translate_coordinates_reply(
        x, xcb_translate_coordinates(x, static_cast<xcb_window_t>(id), root, 0, 0), nullptr));
    if (!onRoot) return window.pos();

    // Device pixels to Qt's, around the screen's corner as Qt scales them; then from the client
    // area to the frame, as pos() counts.
    const QPoint native(onRoot->dst_x, onRoot->dst_y);
    QPoint clientArea = native;
    if (const QScreen* screen = window.screen()) {
        const QPoint corner = screen->geometry().topLeft();
        clientArea = corner + ((native - corner) / screen->devicePixelRatio());
    }
    return clientArea - (window.geometry().topLeft() - window.pos());
}

void offerCloseBoxOnly(QWidget& dialog)
{
    // Qt asks for the close box alone through the Motif hints, which most window managers follow.
    // Openbox deliberately lets no hint take away the minimise box and offers it on every dialog;
    // it leaves it off toolbars alone, which otherwise keep their title bar, close box and focus
    // there. Other window managers take toolbars differently (fluxbox drops the close box too), so
    // only under openbox is the dialog announced as one.
    xcb_connection_t* x = x11Connection();
    if (!x) return;
    const auto id = static_cast<xcb_window_t>(dialog.winId());
    if (windowManagerName(x, rootOf(x, id)) != "Openbox") return;
    const xcb_atom_t toolbar = atom(x, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, atom(x, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &toolbar);
    xcb_flush(x);
}

void placeAsANewWindow(QWidget&)
{
    // Qt gives the window manager no place for a window it has not been told to move; the window
    // manager places it by its own rules.
}

}  // namespace vorlix
