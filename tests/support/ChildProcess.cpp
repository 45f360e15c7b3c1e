#include "support/ChildProcess.h"

#include "support/Files.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

// The child's output goes to a file, read once it has ended, so that no pipe can fill and stall it.
ChildResult runInChild(const std::function<void()>& body) {
    char path[] = "/tmp/sorrelmoor-child-XXXXXX";
    int out = mkstemp(path);
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        dup2(out, 1);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ChildResult result = {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(path)};
    close(out);
    std::remove(path);
    return result;
}
