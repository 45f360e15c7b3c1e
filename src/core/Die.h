#pragma once

// Ends the process after a start-up failure: prints "FATAL: <message>." and the library's
// error number to standard output, then exits with status 1.
[[noreturn]] void die(const char* message);
