// What the X watchers of the benchmark share: a window's title, and an error handler
// for windows that vanish while they are looked at.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

inline Atom netWmName;
inline Atom utf8String;

// Looks up the atoms the functions below use; call once after opening the display.
inline void internAtoms(Display *display)
{
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    utf8String = XInternAtom(display, "UTF8_STRING", False);
}

inline std::string windowName(Display *display, Window window)
{
    std::string name;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8String, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && type == utf8String) {
        name.assign(reinterpret_cast<char *>(data), count);
    }
    if (data != nullptr)
        XFree(data);
    if (type == utf8String)
        return name;
    char *plain = nullptr;
    if (XFetchName(display, window, &plain) && plain != nullptr) {
        name = plain;
        XFree(plain);
    }
    return name;
}

inline int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // windows come and go while they are looked at
}
