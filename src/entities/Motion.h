#pragma once

// The game's own physics, shared by the avatar and everything it carries.
namespace Motion {

constexpr double GRAVITY = 600;  // px/s², downward

}  // namespace Motion
