// sorrelmoor-bench SOLUTIONS_FOLDER [FRAMES_FOLDER]
// Measures the game against its frame budget and prints one table. Run in the run folder
// under a display (tools/headless-run gives one); each phase runs in a process of its own.
#include "Measure.h"
#include "Phases.h"

#include "core/SPrintF.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Table {
    std::vector<std::string> rows;
    std::vector<std::string> notes;
    std::map<std::string, double> values;  // by phase and name
    std::string phase;                     // the phase whose lines are being read
};

// Full screen scales the finished picture once a frame; it should cost little more than a window.
const double FULL_SCREEN_GOAL = 1.5;

// Splits a phase's tab-separated line into a table row or a note.
void take(const std::string& line, Table& table) {
    std::string rest = line.substr(line.find('\t') + 1);
    if (line.rfind("value\t", 0) == 0) {
        size_t tab = rest.find('\t');
        table.values[table.phase + " " + rest.substr(0, tab)] = std::atof(rest.c_str() + tab + 1);
        return;
    }
    if (line.rfind("note\t", 0) == 0) {
        table.notes.push_back(rest);
        return;
    }
    if (line.rfind("row\t", 0) != 0)
        return;
    std::string cells = "| ";
    for (char c : rest)
        cells += c == '\t' ? std::string(" | ") : std::string(1, c);
    table.rows.push_back(cells + " |");
}

// Runs this program again as one phase and reads its lines; false when the phase fails.
bool runPhase(std::vector<std::string> arguments, Table& table) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    table.phase = arguments[0];
    arguments.insert(arguments.begin(), "sorrelmoor-bench");
    arguments.insert(arguments.begin() + 2, SPrintF::format("%.9f", Measure::wallSeconds()));
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::FILE* output = fdopen(pipeEnds[0], "r");
    char buffer[1024];
    while (output && std::fgets(buffer, sizeof buffer, output)) {
        std::string line(buffer);
        take(line.substr(0, line.find('\n')), table);
    }
    if (output)
        std::fclose(output);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int phase(int argc, char** argv) {
    std::string name = argv[1];
    double launchedAt = std::atof(argv[2]);
    std::string argument = argc > 3 ? argv[3] : "";
    if (name == "--update")
        return Phases::update(argument);
    if (name == "--render" || name == "--render-full")
        return Phases::render(argument, name == "--render-full");
    if (name == "--title" || name == "--title-full")
        return Phases::title(launchedAt, name == "--title-full");
    if (name == "--memory")
        return Phases::memory();
    return 2;
}

// Each figure of full screen against the same figure in a window, measured in this run.
void compareFullScreen(Table& table) {
    const char* const figures[][2] = {{"--render", "render, the fullest level"},
                                      {"--render", "render, worst case"},
                                      {"--title", "idle CPU, title"}};
    for (const auto& figure : figures) {
        std::string name = figure[1];
        double window = table.values[std::string(figure[0]) + " " + name];
        double full = table.values[std::string(figure[0]) + "-full " + name];
        double ratio = window > 0 ? full / window : 0;
        bool met = window > 0 && ratio <= FULL_SCREEN_GOAL;
        table.rows.push_back(
            SPrintF::format("| %s, full screen against window | %.2f x | - | <= %.1f x | %s |", name.c_str(),
                            ratio, FULL_SCREEN_GOAL, met ? "yes" : "NO"));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strncmp(argv[1], "--", 2) == 0)
        return phase(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: sorrelmoor-bench SOLUTIONS_FOLDER [FRAMES_FOLDER]\n");
        return 2;
    }
    std::string frames = argc == 3 ? argv[2] : "";
    Table table;
    bool ran = runPhase({"--update", argv[1]}, table) && runPhase({"--render", frames}, table) &&
               runPhase({"--render-full", ""}, table) && runPhase({"--title"}, table) &&
               runPhase({"--title-full"}, table) && runPhase({"--memory"}, table);
    if (ran)
        compareFullScreen(table);
    std::printf("| measure | figure | share of a 17 ms frame | goal | met |\n|---|---|---|---|---|\n");
    for (const std::string& row : table.rows)
        std::printf("%s\n", row.c_str());
    for (const std::string& note : table.notes)
        std::printf("\n%s\n", note.c_str());
    if (!ran)
        std::fprintf(stderr, "sorrelmoor-bench: a phase failed\n");
    return ran ? 0 : 1;
}
