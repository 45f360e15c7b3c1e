#pragma once

#include <allegro5/allegro_font.h>

#include <string>

class LevelSession;

// The line along the top of a numbered level while it is played: the time against the
// target, the loose garbage collected and the bags still to deliver.
namespace HeadsUp {

struct Figures {
    double elapsed;  // seconds
    double target;   // seconds; the silver crown needs less
    int garbageGot;
    int garbageTotal;  // what the level started with
    int bagsDue;       // over every container
};

struct Line {
    std::string time;
    std::string garbage;
    std::string bags;
    bool silverInReach;  // the time is shown white while true, grey after
};

// The figures as the summary panel will judge them.
Figures measure(LevelSession& session, double target);
Line compose(const Figures& figures);
// One shadowed row of text in the screen's top 20 pixels.
void draw(const Line& line, ALLEGRO_FONT* font);

}  // namespace HeadsUp
