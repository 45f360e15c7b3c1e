#pragma once

#include <cstdint>

// A world list's name: four letters packed so that the int's little-endian bytes spell them.
constexpr int indexTag(const char (&name)[5]) {
    return static_cast<int>(static_cast<uint32_t>(static_cast<unsigned char>(name[0])) |
                            static_cast<uint32_t>(static_cast<unsigned char>(name[1])) << 8 |
                            static_cast<uint32_t>(static_cast<unsigned char>(name[2])) << 16 |
                            static_cast<uint32_t>(static_cast<unsigned char>(name[3])) << 24);
}

namespace Tags {
constexpr int ENTT = indexTag("entt");  // every entity with tags; the level writer's order
constexpr int RNDR = indexTag("rndr");  // drawn, back to front
constexpr int DYNA = indexTag("dyna");  // updated each frame, in order of addition
constexpr int AVAT = indexTag("avat");
constexpr int PRSS = indexTag("prss");  // what weighs a pressure pad down
constexpr int GRBG = indexTag("grbg");
constexpr int CARR = indexTag("carr");  // what the avatar can pick up
constexpr int TILE = indexTag("tile");
constexpr int LOOS = indexTag("loos");
constexpr int CONT = indexTag("cont");
constexpr int POSI = indexTag("posi");
constexpr int LEVR = indexTag("levr");
constexpr int BADD = indexTag("badd");
constexpr int MESG = indexTag("mesg");
constexpr int PRPD = indexTag("prpd");
}  // namespace Tags
