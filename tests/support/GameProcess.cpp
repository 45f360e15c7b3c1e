#include "support/GameProcess.h"

#include <X11/Xlib.h>
#include <allegro5/allegro_image.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "support/Files.h"

namespace {

const std::string RUN_DIR = SORRELMOOR_RUN_DIR;
const std::string SHOTS = RUN_DIR + "/../screenshots";

double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

// The test itself opens no X connection: screenshots are read into memory bitmaps.
GameProcess::GameProcess() {
    unsetenv("DISPLAY");
    al_init();
    al_init_image_addon();
    char pattern[] = "/tmp/sorrelmoor-game-XXXXXX";
    scratch = mkdtemp(pattern);
    std::system(("ln -s '" + RUN_DIR + "/media' '" + scratch + "/media' && cp -r '" + RUN_DIR + "/levels' '" +
                 scratch + "/' && mkdir -p '" + SHOTS + "'").c_str());
}

GameProcess::~GameProcess() {
    wait(0);
    if (shot)
        al_destroy_bitmap(shot);
    std::system(("rm -rf '" + scratch + "'").c_str());
}

// The screen is the game's alone: headless-run starts it, and the game says where it is.
void GameProcess::start(const std::vector<std::string>& arguments, const std::string& screen,
                        const std::vector<std::string>& environment) {
    std::fflush(stdout);
    child = fork();
    if (child != 0)
        return;
    setpgid(0, 0);  // one group, so that a kill ends the screen with the game
    if (chdir(scratch.c_str()) != 0)
        _exit(127);
    std::freopen("stdout.txt", "w", stdout);
    // The graphics driver keeps some memory until the process ends, which a sanitizer build's
    // leak check would report as the game's; the game's own code is leak-checked elsewhere.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    setenv("HEADLESS_SCREEN", (screen + "x24").c_str(), 1);
    std::vector<std::string> command = {"env", "-u", "DISPLAY"};
    if (!screen.empty())
        command = {SORRELMOOR_SOURCE_DIR "/tools/headless-run", "sh", "-c", "echo $DISPLAY >display; exec env \"$@\"",
                   "sh"};
    command.insert(command.end(), environment.begin(), environment.end());
    command.push_back(RUN_DIR + "/sorrelmoor");
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
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
    for (double end = now() + seconds; running(); pause(0.02))
        if (now() >= end) {
            kill(-child, SIGKILL);
            waitpid(child, nullptr, 0);
            child = -1;
            return -1;
        }
    return exitStatus;
}

std::string GameProcess::output() const {
    return fileText(scratch + "/stdout.txt");
}

std::string GameProcess::onScreen(const std::string& command) const {
    std::string printed;
    if (FILE* out = popen(("DISPLAY=" + display + " timeout 20 " + command + " 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;)
            printed.append(buffer, n);
        pclose(out);
    }
    return printed;
}

bool GameProcess::open(double seconds) {
    for (double end = now() + seconds; window.empty() && running() && now() < end; pause(0.1)) {
        display = fileText(scratch + "/display");
        display = display.substr(0, display.find('\n'));
        if (!display.empty())
            window = onScreen("xdotool search --sync --onlyvisible --name .");
        window = window.substr(0, window.find('\n'));
    }
    // Without a window manager, keys go to the window under the pointer.
    moveTo(400, 300);
    onScreen("xdotool windowfocus " + window);
    return !window.empty();
}

// Each request from a child of its own: the screen ends with the game, and Xlib ends a process
// whose connection breaks.
int GameProcess::close(double seconds) {
    for (double end = now() + seconds; !window.empty() && running() && now() < end; pause(0.5)) {
        pid_t sender = fork();
        if (sender == 0) {
            if (Display* x = XOpenDisplay(display.c_str())) {
                XEvent event{};
                event.xclient.type = ClientMessage;
                event.xclient.window = std::stoul(window);
                event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
                event.xclient.format = 32;
                event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
                XSendEvent(x, event.xclient.window, False, NoEventMask, &event);
                XCloseDisplay(x);
            }
            _exit(0);
        }
        waitpid(sender, nullptr, 0);
    }
    return wait(0);
}

void GameProcess::moveTo(int x, int y) {
    onScreen("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
}

void GameProcess::clickAt(int x, int y) {
    moveTo(x, y);
    pause(0.1);
    button(true);
    pause(0.1);
    button(false);
    pause(0.1);
}

void GameProcess::button(bool down) {
    onScreen(down ? "xdotool mousedown 1" : "xdotool mouseup 1");
}

void GameProcess::key(const std::string& name) {
    hold(name, 0.1);
    pause(0.1);
}

void GameProcess::hold(const std::string& name, double seconds) {
    onScreen("xdotool keydown " + name);
    pause(seconds);
    onScreen("xdotool keyup " + name);
}

void GameProcess::pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

bool GameProcess::shoot(const std::string& name, int width, int height) {
    std::string path = SHOTS + "/" + name + ".png";
    std::remove(path.c_str());
    onScreen("import -window " + window + " '" + path + "'");
    if (shot)
        al_destroy_bitmap(shot);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    shot = al_load_bitmap(path.c_str());
    return shot && al_get_bitmap_width(shot) == width && al_get_bitmap_height(shot) == height;
}

GameProcess::Colour GameProcess::at(int x, int y) const {
    unsigned char r = 0, g = 0, b = 0;
    if (shot)
        al_unmap_rgb(al_get_pixel(shot, x, y), &r, &g, &b);
    return {r, g, b};
}
