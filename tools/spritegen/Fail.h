#pragma once

#include <string>

// Stops the generator with "file:line: message": a broken source must break the build.
[[noreturn]] void fail(const std::string& file, int line, const std::string& message);
