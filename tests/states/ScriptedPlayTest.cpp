#include "entities/Avatar.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"

#include <cstdio>
#include <fstream>

namespace {

const std::string FLOOR(40, '0');

std::vector<std::string> courtyard() {
    std::vector<std::string> rows(30);
    rows[20] = "..............0000";
    rows[24] = "..@.........t.............f";
    rows[25] = FLOOR;
    return rows;
}

using ScriptedPlayTest = AllegroTest;

const char* const ROUTE = "20 right\n1 right jump\n30 right\n1 jump\n15 left\n1 left jump\n200 right\n";

TEST_F(ScriptedPlayTest, TheSameScriptGivesTheSameRunEveryTime) {
    std::vector<std::string> traces[2];
    ScriptedPlay::Outcome outcomes[2];
    for (int run = 0; run < 2; ++run) {
        Scenario scenario(scratchFolder(), courtyard(), "bag 8 24\n");
        ScriptedPlay& play = scenario.start(ROUTE);
        outcomes[run] = play.play(0, [&](LevelSession& session, int) {
            Avatar* avatar = session.avatar();
            char line[96];
            std::snprintf(line, sizeof line, "%.9f %.9f %.9f %.9f %d", avatar->x(), avatar->y(), avatar->velocity.x,
                          avatar->velocity.y, static_cast<int>(avatar->state));
            traces[run].push_back(line);
        });
    }
    EXPECT_EQ(traces[0], traces[1]);
    EXPECT_EQ(outcomes[0].status, Avatar::Status::DEAD) << "runs into the feral baddie";
    EXPECT_EQ(outcomes[0].reason, outcomes[1].reason);
    EXPECT_EQ(outcomes[0].steps, outcomes[1].steps);
    EXPECT_EQ(outcomes[0].jumps, 1);
    EXPECT_EQ(outcomes[0].doubleJumps, 1) << "the last press comes after the double jump is spent";
}

TEST_F(ScriptedPlayTest, TheSimulatorPrintsTheOutcomeAndTraces) {
    Scenario scenario(scratchFolder(), courtyard());
    std::string script = scratchFolder() + "/route.txt";
    std::ofstream(script) << ROUTE;
    std::string command = "./sorrelmoor-sim " + scenario.levelFile + " " + script;
    FILE* out = popen((command + " --trace").c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string printed;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;)
        printed.append(buffer, n);
    EXPECT_EQ(pclose(out), 0);
    EXPECT_NE(printed.find("dead: you have become a snack for a feral baddie."), std::string::npos) << printed;
    EXPECT_NE(printed.find("jumps 1, double jumps 1, throws 0"), std::string::npos) << printed;
    EXPECT_NE(printed.find("    1  x "), std::string::npos) << "one trace line per step";
    EXPECT_NE(printed.find("running"), std::string::npos);
}

} // namespace
