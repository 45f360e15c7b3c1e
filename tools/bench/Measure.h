#pragma once

#include <allegro5/allegro.h>

#include <string>
#include <vector>

// Clocks, summaries and the report lines of the benchmark's phases.
namespace Measure {

constexpr double BUDGET = 0.017;  // seconds: one frame of the game's pacing

double wallSeconds();  // the monotonic clock, which every process on the machine shares
double cpuSeconds();   // this process, all of its threads
long residentBytes();  // from /proc/self/status; 0 when it cannot be read
// The part of it in mappings of files whose path contains any of the given texts, from
// /proc/self/smaps.
long residentBytesOfFiles(const std::vector<std::string>& pathParts);

double median(std::vector<double> values);
double percentile(std::vector<double> values, double fraction);  // 0..1, nearest rank

std::string duration(double seconds);     // "42.1 us", "3.20 ms"
std::string budgetShare(double seconds);  // "0.25%" of one frame

// One row of the table: what was measured, the figure, its share of a frame, the goal and
// whether the figure meets it. The main process gathers the rows of every phase.
void row(const std::string& what, const std::string& figure, const std::string& share,
         const std::string& goal, bool met);
void timeRow(const std::string& what, double seconds, double goalSeconds);
void note(const std::string& text);  // printed under the table
// A figure handed to the main process by name, for comparing one phase with another.
void value(const std::string& name, double figure);
// "800 x 600 window" or "1920 x 1080 full screen": the display a phase draws to.
std::string screenName(ALLEGRO_DISPLAY* display);

}  // namespace Measure
