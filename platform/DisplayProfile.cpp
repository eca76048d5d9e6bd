#include "platform/DisplayProfile.h"

#include <QGuiApplication>

#ifdef VELMORA_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

QByteArray displayIccProfile()
{
    QByteArray icc;
#ifdef VELMORA_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return icc;
    // A connection of its own, for one property read at start.
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return icc;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    static const char name[] = "_ICC_PROFILE";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
    if (atom && atom->atom != XCB_ATOM_NONE && screens.rem) {
        // At most 16 MB, in 32-bit units.
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, screens.data->root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 4 << 20), nullptr);
        if (reply && reply->format == 8)
            icc = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                             xcb_get_property_value_length(reply));
        free(reply);
    }
    free(atom);
    xcb_disconnect(c);
#endif
    return icc;
}
