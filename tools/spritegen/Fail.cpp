#include "Fail.h"

#include <cstdio>
#include <cstdlib>

void fail(const std::string& file, int line, const std::string& message) {
    std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), line, message.c_str());
    std::exit(1);
}
