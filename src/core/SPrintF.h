#pragma once

#include <string>

// printf-style formatting into one shared, growing buffer (main thread only).
class SPrintF {
public:
    static char* buffer;  // allocated on first use
    static int bufSize;   // capacity in bytes, terminator included

    // The format is a plain C string: va_start on a reference parameter is undefined.
    static std::string format(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // Trims spaces and tabs at both ends, turns tabs into spaces and collapses runs of spaces.
    static std::string trimAndClean(const std::string& text);
    // Releases the buffer; the next format starts with a fresh one of the current size.
    static void free();
};
