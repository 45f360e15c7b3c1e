#pragma once

#include "states/PlayState.h"

// The costliest screen the game shows: the victory level won, with its summary up, the
// completion zoom running, fireworks bursting and at least 200 sparks alive.
class WorstCase {
public:
    static constexpr int SPARKS = 200;

    PlayState state;

    WorstCase();
    // Bursts the fireworks until the sparks are back to SPARKS; kept out of the timed update.
    void topUpSparks();
    int sparks();
};
