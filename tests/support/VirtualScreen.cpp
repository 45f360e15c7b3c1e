#include "support/VirtualScreen.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Xvfb picks a free display number itself and writes it to the descriptor it is given. It
// writes it again each time its last client leaves, so the reading end must stay open while the
// server runs: a closed one would end the server with a broken pipe.
int startServer(const std::string& screen, int& displayNumber, int& numberPipe) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::freopen("/dev/null", "w", stderr);
        std::string fd = std::to_string(pipeEnds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char digits[16] = {};
    ssize_t got = child > 0 ? read(pipeEnds[0], digits, sizeof digits - 1) : -1;
    numberPipe = pipeEnds[0];
    displayNumber = got > 0 ? std::atoi(digits) : -1;
    return child;
}

} // namespace

VirtualScreen::VirtualScreen(int width, int height) {
    if (const char* display = std::getenv("DISPLAY"))
        previousDisplay = display;
    int number = -1;
    server = startServer(std::to_string(width) + "x" + std::to_string(height) + "x24", number, numberPipe);
    if (server > 0 && number < 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
        server = -1;
    }
    if (server > 0)
        setenv("DISPLAY", (":" + std::to_string(number)).c_str(), 1);
}

VirtualScreen::~VirtualScreen() {
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
    if (numberPipe >= 0)
        close(numberPipe);
    setenv("DISPLAY", previousDisplay.c_str(), 1);
}
