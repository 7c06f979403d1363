// xstartup TITLE COMMAND...: starts COMMAND and prints, on one line, the
// milliseconds until the window manager makes a window titled TITLE the active
// one, and the program's peak resident memory in kB a moment later; then ends
// the program. It waits on X events rather than polling, so the time is not
// blurred by a poll interval or by the cost of starting helper programs.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

Window activeWindow(Display* d, Atom netActive)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    Window w = None;
    if (XGetWindowProperty(
            d, XDefaultRootWindow(d), netActive, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data)
            == Success
        && data && count == 1)
        w = *reinterpret_cast<Window*>(data);
    XFree(data);
    return w;
}

bool titled(Display* d, Window w, const char* title)
{
    char* name = nullptr;
    const bool same = w != None && XFetchName(d, w, &name) && name && std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

long peakKb(pid_t pid)
{
    char path[64], line[256];
    long kb = -1;
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE* f = std::fopen(path, "r");
    if (!f)
        return -1;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmHWM: %ld", &kb) == 1)
            break;
    std::fclose(f);
    return kb;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xstartup TITLE COMMAND...\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "xstartup: no X display\n");
        return 2;
    }
    const Atom netActive = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    XSelectInput(d, XDefaultRootWindow(d), PropertyChangeMask);
    XSync(d, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(XConnectionNumber(d));
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    double elapsed = -1;
    while (elapsed < 0 && nowMs() - start < 10000) {
        if (!XPending(d)) {
            pollfd p{XConnectionNumber(d), POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == PropertyNotify && e.xproperty.atom == netActive && titled(d, activeWindow(d, netActive), argv[1]))
            elapsed = nowMs() - start;
    }

    const timespec settle{0, 200 * 1000 * 1000};
    nanosleep(&settle, nullptr);
    const long kb = peakKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(d);
    if (elapsed < 0) {
        std::fprintf(stderr, "xstartup: \"%s\" never became active\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", elapsed, kb);
    return 0;
}
