#include <cstdlib>
#include <memory>

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

xcb_window_t rootOf(xcb_connection_t* x, xcb_window_t window)
{
    const auto reply = owned(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
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

}  // namespace vorlix
