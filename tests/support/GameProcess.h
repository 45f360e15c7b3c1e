#pragma once

#include <string>
#include <vector>

// Runs the built game in a scratch folder that sees the run folder's media/ and levels/,
// so that its progress file never touches the real one.
class GameProcess {
public:
    GameProcess();
    ~GameProcess();

    // Starts the game with these arguments; `environment` entries (NAME=value) override or,
    // with an empty value, remove variables.
    void start(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});
    // Waits for the end; returns the exit status, or -1 if it had to be killed after `seconds`.
    int wait(double seconds);
    bool running();
    // The game's window once it is open, or 0 if none came within `seconds`.
    unsigned long window(double seconds);
    std::string output() const;  // what the game wrote to standard output
    const std::string& folder() const { return scratch; }
    int pid() const { return child; }

private:
    std::string scratch;
    int child = -1;
    int exitStatus = -1;
};

// Asks the game's window to close as a window manager would (WM_DELETE_WINDOW), again every
// half second, since a request that comes before the game listens for it is lost, until the
// game ends; returns its exit status, or -1 if it had not ended after `seconds`.
int closeGameWindow(GameProcess& game, double seconds);
