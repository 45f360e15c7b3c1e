#include "support/GameProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/Files.h"

namespace {

const std::string RUN_DIR = SORRELMOOR_RUN_DIR;
const std::string SHOTS = RUN_DIR + "/../screenshots";

double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

GameProcess::GameProcess() {
    char pattern[] = "/tmp/sorrelmoor-game-XXXXXX";
    scratch = mkdtemp(pattern);
    std::system(("ln -s '" + RUN_DIR + "/media' '" + scratch + "/media' && cp -r '" + RUN_DIR + "/levels' '" +
                 scratch + "/' && mkdir -p '" + SHOTS + "'")
                    .c_str());
}

GameProcess::~GameProcess() {
    wait(0);
    std::system(("rm -rf '" + scratch + "'").c_str());
}

// The screen is the game's alone: headless-run starts it, and the game says where it is. The graphics
// driver keeps some memory until the process ends, which a sanitizer build's leak check would report
// as the game's; the game's own code is leak-checked elsewhere.
void GameProcess::start(const std::string& arguments, const std::string& screen,
                        const std::string& environment) {
    std::string game = "printf %s $DISPLAY >display; exec env " + environment + " " + RUN_DIR +
                       "/sorrelmoor " + arguments + " >stdout.txt";
    std::string command = "cd '" + scratch + "' && ASAN_OPTIONS=detect_leaks=0 HEADLESS_SCREEN=" + screen +
                          "x24 exec " SORRELMOOR_SOURCE_DIR "/tools/headless-run sh -c '" + game + "'";
    std::fflush(stdout);
    child = fork();
    if (child == 0) {
        setpgid(0, 0);  // one group, so that a kill ends the screen with the game
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

int GameProcess::wait(double seconds) {
    int status = 0;
    for (double end = now() + seconds; child > 0 && waitpid(child, &status, WNOHANG) == 0; pause(0.02))
        if (now() >= end)
            kill(-child, SIGKILL);
    if (child > 0)
        exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    child = -1;
    return exitStatus;
}

std::string GameProcess::onScreen(const std::string& command) const {
    std::string printed;
    FILE* out = popen(("DISPLAY=" + display + " timeout 20 " + command + " 2>/dev/null").c_str(), "r");
    for (int c; out && (c = std::fgetc(out)) != EOF;)
        printed += static_cast<char>(c);
    if (out)
        pclose(out);
    return printed;
}

// Without a window manager, keys go to the window under the pointer.
bool GameProcess::open(double seconds) {
    for (double end = now() + seconds; windowId.empty() && now() < end; pause(0.1)) {
        display = fileText(scratch + "/display");
        if (!display.empty())
            windowId = onScreen("xdotool search --sync --onlyvisible --name .");
        windowId = windowId.substr(0, windowId.find('\n'));
    }
    moveTo(400, 300);
    onScreen("xdotool windowfocus " + windowId);
    pause(1.5);  // for the first frames to be drawn
    return !windowId.empty();
}

bool GameProcess::shoot(const std::string& name, int width, int height) {
    std::string path = SHOTS + "/" + name + ".png";
    onScreen("import -window " + windowId + " '" + path + "'");
    pixels = onScreen("convert '" + path + "' -depth 8 rgb:-");
    shotWidth = width;
    return pixels.size() == 3u * width * height;
}

int GameProcess::count(int x1, int y1, int x2, int y2, const std::function<bool(Colour)>& test,
                       int step) const {
    auto byte = [&](size_t at) { return at < pixels.size() ? static_cast<unsigned char>(pixels[at]) : 0; };
    int found = 0;
    for (int y = y1; y < y2; y += step)
        for (int x = x1; x < x2; x += step) {
            size_t at = 3 * (static_cast<size_t>(y) * shotWidth + x);
            found += test({byte(at), byte(at + 1), byte(at + 2)}) ? 1 : 0;
        }
    return found;
}
