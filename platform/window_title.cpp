// SPDX-License-Identifier: MIT
#include "platform/window_title.h"

#include <QGuiApplication>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#include <xcb/xproto.h>

#include <cstdlib>
#include <cstring>
#endif

void ClearWindowTitle(QWindow* window) {
    window->setTitle(QString());
#if QT_CONFIG(xcb)
    // The X11 title Qt sets for an empty one is the program's name: replace it by an empty one.
    // The offscreen platform answers for X11 too, without a connection to use.
    if (QGuiApplication::platformName() != u"xcb") return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    static constexpr char kName[] = "_NET_WM_NAME";
    static constexpr char kUtf8[] = "UTF8_STRING";
    xcb_intern_atom_reply_t* name = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(kName), kName), nullptr);
    xcb_intern_atom_reply_t* utf8 = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(kUtf8), kUtf8), nullptr);
    if (name && utf8)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                            static_cast<xcb_window_t>(window->winId()), name->atom, utf8->atom, 8,
                            0, "");
    std::free(name);
    std::free(utf8);
    xcb_flush(connection);
#endif
}
