#include "core/FrameClock.h"

#include <allegro5/allegro.h>

namespace {

class LibraryClock : public FrameClock {
public:
    double now() override { return al_get_time(); }
    void rest(double seconds) override { al_rest(seconds); }
};

}  // namespace

FrameClock& FrameClock::library() {
    static LibraryClock clock;
    return clock;
}
