#pragma once

#include <string>

// A virtual X server of a chosen size, made the test's display while it lives (every game, xdotool
// and screenshot started meanwhile uses it), then stopped and the earlier display restored.
class VirtualScreen {
public:
    VirtualScreen(int width, int height);
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    bool started() const { return server > 0; }

private:
    int server = -1;
    int numberPipe = -1;
    std::string previousDisplay;
};
