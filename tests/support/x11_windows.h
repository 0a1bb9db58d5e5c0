#pragma once
// Looking at the game's windows on a real X server from a test, and asking them to close the way a
// window manager does (WM_DELETE_WINDOW).

#include <QPoint>
#include <QSize>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

struct _XDisplay;

namespace vortelia::testing {

class X11Session {
public:
    // Opens $DISPLAY; ok() is false without a display.
    X11Session();
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool ok() const { return display_ != nullptr; }
    // The first mapped top-level window with that title (and that client size, if given), polling
    // until the deadline.
    std::optional<unsigned long> waitForWindow(const QString& title, std::chrono::milliseconds timeout,
                                               QSize size = {});
    // Every mapped top-level window with that title now.
    std::vector<unsigned long> windows(const QString& title);
    // Whether a mapped window with that title (and size) exists now.
    bool hasWindow(const QString& title, QSize size = {});
    // Sends WM_DELETE_WINDOW, as a window manager's close button does.
    void requestClose(unsigned long window);
    // Whether the window stays mapped for the whole time given (a refused close leaves it so).
    bool staysFor(unsigned long window, std::chrono::milliseconds time);
    // A real left click at a point of the window's client area.
    void click(unsigned long window, QPoint at);
    // A real key press and release, with the keyboard focus on the window.
    void key(unsigned long window, unsigned long keysym);
    // Moves the pointer to a point of the window's client area.
    void movePointer(unsigned long window, QPoint at);
    // The size of the pointer's cursor image now, and whether it is a named (theme) cursor.
    struct CursorImage {
        QSize size;
        QString name;
    };
    CursorImage cursorImage();
    bool exists(unsigned long window);

private:
    std::optional<unsigned long> find(const QString& title, QSize size);
    ::_XDisplay* display_ = nullptr;
};

} // namespace vortelia::testing
