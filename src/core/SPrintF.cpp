#include "core/SPrintF.h"

#include <cstdarg>
#include <cstdio>

char* SPrintF::buffer = nullptr;
int SPrintF::bufSize = 1024;

std::string SPrintF::format(const char* format, ...) {
    if (!buffer)
        buffer = new char[bufSize];
    va_list args;
    va_start(args, format);
    va_list retry;
    va_copy(retry, args);
    int needed = std::vsnprintf(buffer, bufSize, format, args) + 1;
    va_end(args);
    if (needed > bufSize) {
        delete[] buffer;
        bufSize = needed;
        buffer = new char[bufSize];
        std::vsnprintf(buffer, bufSize, format, retry);
    }
    va_end(retry);
    return std::string(buffer);
}

std::string SPrintF::trimAndClean(const std::string& text) {
    std::string out;
    bool pendingSpace = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

void SPrintF::free() {
    delete[] buffer;
    buffer = nullptr;
}
