#include "support/GameProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

const std::string RUN_DIR = SORRELMOOR_RUN_DIR;

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

long windowPid(Display* x, Window w) {
    Atom pidAtom = XInternAtom(x, "_NET_WM_PID", True);
    if (pidAtom == None)
        return -1;
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(x, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

Window findWindow(Display* x, Window root, int pid) {
    Window parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(x, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = windowPid(x, children[i]) == pid ? children[i] : findWindow(x, children[i], pid);
    if (children)
        XFree(children);
    return found;
}

void askToClose(Display* x, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, window, False, NoEventMask, &event);
    XFlush(x);
}

} // namespace

GameProcess::GameProcess() {
    char pattern[] = "/tmp/sorrelmoor-game-XXXXXX";
    scratch = mkdtemp(pattern);
    symlink((RUN_DIR + "/media").c_str(), (scratch + "/media").c_str());
    // A copy, so that what the game writes into levels/ (the editor's files) stays here.
    std::system(("cp -r '" + RUN_DIR + "/levels' '" + scratch + "/levels'").c_str());
}

GameProcess::~GameProcess() {
    wait(0);
    std::system(("rm -rf '" + scratch + "'").c_str());
}

void GameProcess::start(const std::vector<std::string>& arguments, const std::vector<std::string>& environment) {
    std::fflush(stdout);
    child = fork();
    if (child != 0)
        return;
    if (chdir(scratch.c_str()) != 0)
        _exit(127);
    std::freopen("stdout.txt", "w", stdout);
    // The graphics driver keeps some memory until the process ends, which a sanitizer build's
    // leak check would report as the game's; the game's own code is leak-checked elsewhere.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    for (const std::string& entry : environment) {
        size_t eq = entry.find('=');
        std::string name = entry.substr(0, eq), value = entry.substr(eq + 1);
        if (value.empty())
            unsetenv(name.c_str());
        else
            setenv(name.c_str(), value.c_str(), 1);
    }
    std::string program = RUN_DIR + "/sorrelmoor";
    std::vector<char*> argv{program.data()};
    std::vector<std::string> copies = arguments;
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

bool GameProcess::running() {
    int status = 0;
    if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
        exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        child = -1;
    }
    return child > 0;
}

int GameProcess::wait(double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            child = -1;
            return -1;
        }
        sleepMs(20);
    }
    return exitStatus;
}

std::string GameProcess::output() const {
    std::ifstream in(scratch + "/stdout.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

unsigned long GameProcess::window(double seconds) {
    Display* x = XOpenDisplay(nullptr);
    if (!x)
        return 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Window found = 0;
    while (!found && running() && std::chrono::steady_clock::now() < deadline) {
        found = findWindow(x, DefaultRootWindow(x), child);
        if (!found)
            sleepMs(100);
    }
    XCloseDisplay(x);
    return found;
}

int closeGameWindow(GameProcess& game, double seconds) {
    Display* x = XOpenDisplay(nullptr);
    if (!x)
        return game.wait(0);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (game.running() && std::chrono::steady_clock::now() < deadline) {
        if (Window window = findWindow(x, DefaultRootWindow(x), game.pid()))
            askToClose(x, window);
        sleepMs(500);
    }
    XCloseDisplay(x);
    return game.wait(0);
}
