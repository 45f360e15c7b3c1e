#include "Measure.h"

#include "core/SPrintF.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace Measure {

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

long residentBytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

long residentBytesOfFiles(const std::vector<std::string>& pathParts) {
    std::ifstream maps("/proc/self/smaps");
    std::string line;
    bool counting = false;
    long kilobytes = 0;
    while (std::getline(maps, line)) {
        if (line.rfind("Rss:", 0) == 0) {
            if (counting)
                kilobytes += std::stol(line.substr(4));
        } else if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) &&
                   line.find('-') != std::string::npos && line.find(':') > line.find('-')) {
            counting = std::any_of(pathParts.begin(), pathParts.end(), [&](const std::string& part) {
                return line.find(part) != std::string::npos;
            });
        }
    }
    return kilobytes * 1024;
}

double median(std::vector<double> values) {
    return percentile(std::move(values), 0.5);
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t rank = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
    return values[std::min(rank, values.size() - 1)];
}

std::string duration(double seconds) {
    if (seconds < 1e-3)
        return SPrintF::format("%.1f us", seconds * 1e6);
    return SPrintF::format("%.2f ms", seconds * 1e3);
}

std::string budgetShare(double seconds) {
    return SPrintF::format("%.2f%%", seconds / BUDGET * 100);
}

void row(const std::string& what, const std::string& figure, const std::string& share,
         const std::string& goal, bool met) {
    std::printf("row\t%s\t%s\t%s\t%s\t%s\n", what.c_str(), figure.c_str(), share.c_str(), goal.c_str(),
                met ? "yes" : "NO");
    std::fflush(stdout);
}

void timeRow(const std::string& what, double seconds, double goalSeconds) {
    row(what, duration(seconds), budgetShare(seconds),
        "<= " + duration(goalSeconds) + " (" + budgetShare(goalSeconds) + ")", seconds <= goalSeconds);
}

void note(const std::string& text) {
    std::printf("note\t%s\n", text.c_str());
    std::fflush(stdout);
}

void value(const std::string& name, double figure) {
    std::printf("value\t%s\t%.9f\n", name.c_str(), figure);
    std::fflush(stdout);
}

std::string screenName(ALLEGRO_DISPLAY* display) {
    bool full = (al_get_display_flags(display) & ALLEGRO_FULLSCREEN_WINDOW) != 0;
    return SPrintF::format("%d x %d %s", al_get_display_width(display), al_get_display_height(display),
                           full ? "full screen" : "window");
}

}  // namespace Measure
