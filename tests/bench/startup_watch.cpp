// Watches a program start on the X server, from outside it: exec -> first top-level window mapped,
// exec -> first content painted (the window's pixels stop being one flat colour), resident memory
// 2 s after exec, then the CPU time the process uses over 5 s of idling on its window with the
// pointer outside it. With --menu it first waits for the game's second screen (the menu) and, after
// the idle span, clicks through to the quest screen and reads the memory 2 s after it is mapped.
//
//   startup_watch [--menu] -- PROGRAM [ARGS...]
// Prints one line: map_ms paint_ms rss_kb idle_cpu_ms idle_wakeups quest_rss_kb

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Resident set of the process in kB.
long rssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// CPU time of all the process's threads in ns, and how often they were switched in.
struct Cpu {
    double ns = 0;
    long switches = 0;
};
Cpu cpuOf(pid_t pid) {
    Cpu cpu;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return cpu;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream sched(tasks + "/" + entry->d_name + "/schedstat");
        double run = 0, wait = 0;
        long slices = 0;
        if (sched >> run >> wait >> slices) {
            cpu.ns += run;
            cpu.switches += slices;
        }
    }
    closedir(dir);
    return cpu;
}

bool alive(pid_t pid) {
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

struct Watch {
    Display* display = nullptr;
    Window root = 0;
    pid_t pid = 0;
    double start = 0;

    // The next top-level window of at least 100 x 100 pixels that gets mapped.
    std::optional<Window> nextMapped(double timeoutMs, int width = 0, int height = 0) {
        const double deadline = nowMs() + timeoutMs;
        while (nowMs() < deadline && alive(pid)) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type != MapNotify || event.xmap.event != root)
                    continue;
                XWindowAttributes a;
                if (!XGetWindowAttributes(display, event.xmap.window, &a) || a.width < 100 || a.height < 100)
                    continue;
                if (width && (a.width != width || a.height != height))
                    continue;
                return event.xmap.window;
            }
            usleep(500); // the X connection is polled; half a millisecond is the resolution
        }
        return std::nullopt;
    }

    // Whether the window shows more than one colour now.
    bool painted(Window window) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, window, &a))
            return false;
        XImage* image = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        if (!image)
            return false;
        const unsigned long first = XGetPixel(image, 0, 0);
        bool varied = false;
        for (int y = 0; y < a.height && !varied; y += 3)
            for (int x = 0; x < a.width && !varied; x += 3)
                varied = XGetPixel(image, x, y) != first;
        XDestroyImage(image);
        return varied;
    }

    void click(Window window, int x, int y) {
        Window child = 0;
        int rx = 0, ry = 0;
        XTranslateCoordinates(display, window, root, x, y, &rx, &ry, &child);
        XTestFakeMotionEvent(display, -1, rx, ry, CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XTestFakeMotionEvent(display, -1, 0, 0, CurrentTime); // back outside every window
        XFlush(display);
    }
};

void waitUntil(double ms) {
    const double left = ms - nowMs();
    if (left > 0)
        usleep(static_cast<useconds_t>(left * 1000));
}

} // namespace

int main(int argc, char* argv[]) {
    bool menu = false;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--menu") == 0)
            menu = true;
        else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: startup_watch [--menu] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    Watch w;
    w.display = XOpenDisplay(nullptr);
    if (!w.display) {
        std::fprintf(stderr, "startup_watch: no X display\n");
        return 2;
    }
    w.root = DefaultRootWindow(w.display);
    XSelectInput(w.display, w.root, SubstructureNotifyMask);
    // The pointer waits in the corner, outside every window of the program.
    XWarpPointer(w.display, None, w.root, 0, 0, 0, 0, 0, 0);
    XSync(w.display, False);

    w.start = nowMs();
    w.pid = fork();
    if (w.pid == 0) {
        execv(argv[first], argv + first);
        _exit(127);
    }
    double mapMs = -1, paintMs = -1, idleMs = -1;
    long rss = -1, wakeups = -1, questRss = -1;
    if (auto window = w.nextMapped(20000)) {
        mapMs = nowMs() - w.start;
        while (alive(w.pid) && nowMs() - w.start < 20000) {
            if (w.painted(*window)) {
                paintMs = nowMs() - w.start;
                break;
            }
            usleep(1000);
        }
        waitUntil(w.start + 2000);
        rss = rssKb(w.pid);
        std::optional<Window> idleOn = window;
        if (menu)
            idleOn = w.nextMapped(20000, 799, 593);
        if (idleOn) {
            waitUntil(nowMs() + 1500); // let the screen settle
            const Cpu before = cpuOf(w.pid);
            waitUntil(nowMs() + 5000);
            const Cpu after = cpuOf(w.pid);
            idleMs = (after.ns - before.ns) / 1e6;
            wakeups = after.switches - before.switches;
            if (menu) {
                w.click(*idleOn, 536 + 120, 216 + 20);
                if (auto prologue = w.nextMapped(10000, 798, 596)) {
                    w.click(*prologue, 304 + 92, 504 + 20);
                    if (w.nextMapped(10000, 800, 598)) {
                        waitUntil(nowMs() + 2000);
                        questRss = rssKb(w.pid);
                    }
                }
            }
        }
    }
    kill(w.pid, SIGKILL);
    waitpid(w.pid, nullptr, 0);
    std::printf("%.1f %.1f %ld %.2f %ld %ld\n", mapMs, paintMs, rss, idleMs, wakeups, questRss);
    return mapMs < 0 || paintMs < 0 ? 1 : 0;
}
