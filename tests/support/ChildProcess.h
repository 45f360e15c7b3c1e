#pragma once

#include <functional>
#include <string>

// Runs `body` in a forked child and collects what it printed to standard output and how it
// ended: for the game's fatal paths, which print to stdout and exit.
struct ChildResult {
    int exitStatus;  // -1 when it did not exit normally
    std::string output;
};

ChildResult runInChild(const std::function<void()>& body);
