#pragma once

// The avatar's movement numbers. Screen y grows downward, so upward velocities are negative.
namespace AvatarMotion {

// On the ground.
constexpr double RUN_SPEED = 200;     // px/s
constexpr double RUN_CYCLE_RATE = 8;  // frames/s of the running cycle
constexpr int RUN_CYCLE_FRAMES = 6;

// Leaving the ground.
constexpr double JUMP_VELOCITY = -270;           // px/s
constexpr double CARRYING_JUMP_VELOCITY = -100;  // px/s
constexpr double JUMP_FORWARD_SPEED = 111;       // px/s
constexpr double WALK_OFF_SPEED = 30;            // px/s, running off an edge
constexpr double JUMP_GRACE = 0.04;              // s after walking off in which a jump is a full one
constexpr double DOUBLE_JUMP_SHARE = 0.6;        // of the jump velocity
constexpr double DOUBLE_JUMP_MAX_SPEED = 140;    // px/s sideways

// In the air.
constexpr double AIR_PUSH = 400;        // px/s², pushing the way it moves or from rest
constexpr double AIR_BRAKE = 800;       // px/s², pushing against the motion
constexpr double AIR_PUSH_GROWTH = 4;   // 1/s: both grow by this much per px/s of speed
constexpr double AIR_DRIFT_KEPT = 50;   // px/s: no key held, slower drift is not damped
constexpr double AIR_DAMPING = 1;       // 1/s
constexpr double MAX_AIR_SPEED = 200;   // px/s sideways
constexpr double MAX_FALL_SPEED = 400;  // px/s

// Throws, sideways the way it faces.
constexpr double THROW_SPEED = 200;          // px/s standing or airborne
constexpr double THROW_LIFT = -100;          // px/s
constexpr double RUNNING_THROW_SPEED = 300;  // px/s
constexpr double RUNNING_THROW_LIFT = -140;  // px/s
constexpr double HIGH_THROW_SPEED = 100;     // px/s standing with up held
constexpr double HIGH_THROW_LIFT = -240;     // px/s

// Carrying: how far above the avatar the carried object is held.
constexpr double CARRY_HEIGHT = 20;          // px
constexpr double DUCKING_CARRY_HEIGHT = 15;  // px

// Dying.
constexpr double FALL_DEATH_Y = 600;  // px, below the screen
constexpr double CRUSH_DEPTH = 12;    // px of wall inside it

}  // namespace AvatarMotion
