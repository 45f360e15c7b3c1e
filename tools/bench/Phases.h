#pragma once

#include <string>

// The benchmark's measuring phases. Each runs in a process of its own, so that one phase's
// caches and allocations do not colour the next, and prints its rows for the table.
namespace Phases {

// Headless: every shipped level played from its solution, the title level, the worst case.
int update(const std::string& solutionsFolder);
// Under a display, in a window or full screen: the fullest level and the worst case; the last
// frame of each is saved into `framesFolder` unless it is empty.
int render(const std::string& framesFolder, bool fullScreen);
// Started like the game, in a window or full screen: from the launch to the first title frame,
// then ten seconds of title.
int title(double launchedAt, bool fullScreen);
// Started like the game: every level visited three times over.
int memory();

}  // namespace Phases
