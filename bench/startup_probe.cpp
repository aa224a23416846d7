// Watches one program start on the X display, from outside, and prints what
// it saw as one line of JSON, times in milliseconds from the program's start:
//   mapped   its window of the given size was mapped
//   first    the window was first drawn into (X DAMAGE)
//   last     the window was last drawn into, up to QuietTime after the first
//   drawings how many drawings that took: damage closer together than
//            DrawingGap is one drawing
//   peak_kib the program's peak resident memory at the end of that time
// With --menu X Y HOLD it then clicks the right button at that point of the
// window (in the window's pixels), releasing it HOLD milliseconds after the
// press as a hand does, and adds
//   menu       milliseconds from the release until the popup is drawn
//   menu_peak_kib  the peak resident memory once the popup is shown
//
//   startup_probe [--menu X Y HOLD] WIDTH HEIGHT PROGRAM [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double QuietTime = 400;     // ms after the first drawing that still count
constexpr double MenuSettling = 300;  // ms after the popup's first drawing
constexpr double GiveUp = 20000;      // ms for anything to happen at all
constexpr double DrawingGap = 2;      // ms between the damage of two drawings

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class Probe {
public:
    explicit Probe(Display* display) : display_(display), root_(DefaultRootWindow(display)) {
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }

    // The DAMAGE extension tells when the window is drawn into.
    bool canSeeDrawings() {
        int error = 0;
        return XDamageQueryExtension(display_, &damageEvent_, &error);
    }

    // Handles events until `done` says so or `deadline` (ms since start) passes.
    template <typename Done>
    bool runUntil(Clock::time_point start, double deadline, Done done) {
        while (!done()) {
            const double left = deadline - msSince(start);
            if (left <= 0) return false;
            if (!XPending(display_)) {
                pollfd fd{ConnectionNumber(display_), POLLIN, 0};
                poll(&fd, 1, static_cast<int>(left) + 1);
                if (!XPending(display_)) continue;
            }
            XEvent event;
            XNextEvent(display_, &event);
            handle(event, msSince(start));
        }
        return true;
    }

    // The window to watch: the first of this size, or the first popup.
    void watchWindowOfSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    void watchNextPopup() {
        watched_ = 0;
        mapped_.reset();
        drawn_.clear();
        popup_ = true;
    }

    Window watched() const { return watched_; }
    std::optional<double> mapped() const { return mapped_; }
    const std::vector<double>& drawn() const { return drawn_; }

private:
    // The window of the given size: one created so (Qt), or one created
    // otherwise and given that size before it is shown (Wine).
    void handle(const XEvent& event, double at) {
        if (event.type == CreateNotify && !watched_) {
            const XCreateWindowEvent& created = event.xcreatewindow;
            if (popup_ ? created.override_redirect : isOfSize(created.width, created.height) && !created.override_redirect)
                watch(created.window);
            else if (!popup_ && !created.override_redirect)
                XSelectInput(display_, created.window, StructureNotifyMask);
        } else if (event.type == ConfigureNotify && !watched_ && !popup_ &&
                   isOfSize(event.xconfigure.width, event.xconfigure.height) && !event.xconfigure.override_redirect) {
            watch(event.xconfigure.window);
        } else if (event.type == MapNotify && event.xmap.window == watched_ && !mapped_) {
            mapped_ = at;
        } else if (event.type == damageEvent_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (damage.drawable == watched_) drawn_.push_back(at);
        }
    }

    bool isOfSize(int width, int height) const { return width == width_ && height == height_; }

    void watch(Window window) {
        watched_ = window;
        XSelectInput(display_, watched_, StructureNotifyMask);
        XDamageCreate(display_, watched_, XDamageReportRawRectangles);
        XSync(display_, False);
    }

    Display* display_;
    Window root_;
    int damageEvent_ = 0;
    int width_ = 0, height_ = 0;
    bool popup_ = false;
    Window watched_ = 0;
    std::optional<double> mapped_;
    std::vector<double> drawn_;
};

void press(Display* display, Window window, int x, int y, unsigned button) {
    Window child;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XFlush(display);
}

void release(Display* display, unsigned button) {
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XFlush(display);
}

int usage(const char* self) {
    std::fprintf(stderr, "usage: %s [--menu X Y HOLD] WIDTH HEIGHT PROGRAM [ARGUMENT...]\n", self);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int arg = 1;
    std::optional<std::pair<int, int>> menuAt;
    double hold = 0;
    if (argc > 4 && std::strcmp(argv[1], "--menu") == 0) {
        menuAt = {std::atoi(argv[2]), std::atoi(argv[3])};
        hold = std::atof(argv[4]);
        arg = 5;
    }
    if (argc - arg < 3) return usage(argv[0]);
    const int width = std::atoi(argv[arg]), height = std::atoi(argv[arg + 1]);
    char** program = argv + arg + 2;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("startup_probe: no X display\n", stderr);
        return 2;
    }
    Probe probe(display);
    if (!probe.canSeeDrawings()) {
        std::fputs("startup_probe: the X display has no DAMAGE extension\n", stderr);
        return 2;
    }
    probe.watchWindowOfSize(width, height);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(program[0], program);
        _exit(127);
    }

    bool ok = probe.runUntil(start, GiveUp, [&] { return !probe.drawn().empty(); });
    const double first = ok ? probe.drawn().front() : -1;
    if (ok) probe.runUntil(start, first + QuietTime, [] { return false; });
    const double mapped = probe.mapped().value_or(-1);
    double last = first;
    int drawings = 0;
    for (double at : probe.drawn()) {
        if (at > first + QuietTime) break;
        if (drawings == 0 || at - last > DrawingGap) ++drawings;
        last = at;
    }
    const long peak = peakKib(pid);
    std::printf("{\"mapped\": %.2f, \"first\": %.2f, \"last\": %.2f, \"drawings\": %d, \"peak_kib\": %ld",
                mapped, first, last, drawings, peak);

    if (ok && menuAt) {
        const Window board = probe.watched();
        probe.watchNextPopup();
        const auto pressed = Clock::now();
        press(display, board, menuAt->first, menuAt->second, 3);
        probe.runUntil(pressed, hold, [] { return false; });
        const auto released = Clock::now();
        release(display, 3);
        const bool shown = probe.runUntil(released, GiveUp, [&] { return !probe.drawn().empty(); });
        const double menu = shown ? probe.drawn().front() : -1;
        if (shown) probe.runUntil(released, menu + MenuSettling, [] { return false; });
        std::printf(", \"menu\": %.2f, \"menu_peak_kib\": %ld", menu, peakKib(pid));
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, XK_Escape), True, CurrentTime);
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, XK_Escape), False, CurrentTime);
        XFlush(display);
    }
    std::printf("}\n");

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    return ok ? 0 : 1;
}
