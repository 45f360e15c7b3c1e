#pragma once

// Uniform draws from the runtime's generator; both ends can occur.
float randomFloat(float min, float max);
long randomInt(long min, long max);  // the caller keeps max >= min
// Seeds from the calendar clock. Start-up does not call it, so every run draws the same sequence.
void initRandom();
