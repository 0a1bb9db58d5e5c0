#include "support/x11_windows.h"

#include <QElapsedTimer>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

namespace vortelia::testing {
namespace {

QString windowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
        XFree(data);
    }
    return title;
}

bool mappedWithSize(Display* display, Window window, QSize size) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    return size.isEmpty() || (attributes.width == size.width() && attributes.height == size.height());
}

// Windows of another process vanish at any moment; a request about one that is gone is no error here.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

X11Session::X11Session() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(ignoreErrors);
}

X11Session::~X11Session() {
    if (display_)
        XCloseDisplay(display_);
}

std::optional<unsigned long> X11Session::find(const QString& title, QSize size) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<unsigned long> found;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (mappedWithSize(display_, children[i], size) && windowTitle(display_, children[i]) == title)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

std::vector<unsigned long> X11Session::windows(const QString& title) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<unsigned long> found;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        if (mappedWithSize(display_, children[i], {}) && windowTitle(display_, children[i]) == title)
            found.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return found;
}

bool X11Session::hasWindow(const QString& title, QSize size) {
    return find(title, size).has_value();
}

std::optional<unsigned long> X11Session::waitForWindow(const QString& title,
                                                       std::chrono::milliseconds timeout, QSize size) {
    QElapsedTimer clock;
    clock.start();
    do {
        if (auto window = find(title, size))
            return window;
        QThread::msleep(20); // polling an outside process, bounded by the deadline
    } while (clock.elapsed() < timeout.count());
    return std::nullopt;
}

void X11Session::requestClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

bool X11Session::staysFor(unsigned long window, std::chrono::milliseconds time) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < time.count()) {
        if (!exists(window))
            return false;
        QThread::msleep(20); // watching for something that must not happen, for a bounded time
    }
    return exists(window);
}

void X11Session::movePointer(unsigned long window, QPoint at) {
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), at.x(), at.y(), &x, &y, &child);
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void X11Session::click(unsigned long window, QPoint at) {
    movePointer(window, at);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

void X11Session::key(unsigned long window, unsigned long keysym) {
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
}

X11Session::CursorImage X11Session::cursorImage() {
    CursorImage result;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display_)) {
        result.size = QSize(image->width, image->height);
        result.name = QString::fromLatin1(image->name ? image->name : "");
        XFree(image);
    }
    return result;
}

bool X11Session::exists(unsigned long window) {
    XWindowAttributes attributes;
    return mappedWithSize(display_, window, {}) && XGetWindowAttributes(display_, window, &attributes);
}

} // namespace vortelia::testing
