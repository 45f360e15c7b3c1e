#include "support/ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

ChildResult runInChild(const std::function<void()>& body) {
    std::fflush(stdout);
    int fds[2];
    if (pipe(fds) != 0)
        return {-1, ""};
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        dup2(fds[1], 1);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    close(fds[1]);
    std::string out;
    char buffer[512];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<size_t>(got));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}
