#include "support/AllegroFixture.h"
#include "support/Scenario.h"

#include <cstdio>
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
    std::string script = scratchFolder() + "/route.txt";
    std::ofstream(script) << "20 right\n1 right jump\n30 right\n1 jump\n15 left\n1 left jump\n200 right\n";
    FILE* out = popen(("./sorrelmoor-sim " + scenario.levelFile + " " + script + " --trace").c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string printed;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;)
        printed.append(buffer, n);
    EXPECT_EQ(pclose(out), 0);
    for (const char* part : {"dead: you have become a snack for a feral baddie.", "jumps 1, double jumps 1, throws 0",
                             "    1  x ", "running"})
        EXPECT_NE(printed.find(part), std::string::npos) << part << " in\n" << printed;
}

} // namespace
