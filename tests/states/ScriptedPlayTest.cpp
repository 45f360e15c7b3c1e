#include "support/AllegroFixture.h"
#include "support/Files.h"
#include "support/Scenario.h"

#include <cstdlib>
#include <fstream>

namespace {

using SimulatorTest = AllegroTest;

// A jump, a double jump, a press after it is spent, then into the feral baddie.
TEST_F(SimulatorTest, PrintsTheOutcomeItsCountsAndATraceLinePerStep) {
    std::vector<std::string> rows(30);
    rows[20] = "..............0000";
    rows[24] = "..@.........t.............f";
    rows[25] = std::string(40, '0');
    Scenario scenario(scratchFolder(), rows);
    std::string script = scratchFolder() + "/route.txt", printed = scratchFolder() + "/printed.txt";
    std::ofstream(script) << "20 right\n1 right jump\n30 right\n1 jump\n15 left\n1 left jump\n200 right\n";
    std::string command = "./sorrelmoor-sim " + scenario.levelFile + " " + script + " --trace >" + printed;
    EXPECT_EQ(std::system(command.c_str()), 0);
    for (const char* part : {"dead: you have become a snack for a feral baddie.",
                             "jumps 1, double jumps 1, throws 0", "    1  x ", "running"})
        EXPECT_NE(fileText(printed).find(part), std::string::npos) << part << " in\n" << fileText(printed);
}

}  // namespace
