#pragma once

#include "world/Entity.h"
#include "world/Kind.h"

#include <allegro5/allegro_audio.h>

#include <string>

class Carryable;
class Game;
class Sheet;
class Switch;

// The player's figure: runs, ducks, jumps and double-jumps under the game's own physics,
// carries one thing overhead and throws it, dies, and decides when the level is won.
class Avatar : public Entity {
public:
    enum class State { STANDING = 0, RUNNING = 1, AIRBORNE = 2, DUCKING = 3 };
    enum class Status { PLAYING = 0, DEAD = 1, WON = 2 };

    Sheet* sheet;
    ALLEGRO_SAMPLE* jumpSound;
    ALLEGRO_SAMPLE* dieSound;
    ALLEGRO_SAMPLE* landSound;  // also the footstep
    ALLEGRO_SAMPLE* throwSound;
    Vec velocity;  // drives the avatar only while airborne
    State state = State::STANDING;
    bool facingRight = false;  // starts unmirrored, as the sheet is drawn
    int runFrame = 0;
    bool canDoubleJump = true;
    double jumpGrace = 0;  // seconds in which a jump after walking off an edge is a normal jump
    Status status = Status::PLAYING;
    std::string reason;  // completes "You %s." after a death
    double animationClock = 0;
    Switch* left;  // held
    Switch* right;
    Switch* down;
    Switch* up;
    Switch* jump;     // fired this frame
    Switch* tossKey;  // fired this frame: pick up, drop or throw
    Carryable* carried = nullptr;

    Avatar();
    const char* code() override { return Kinds::AVATAR.code; }
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override;
    void render() override;
    Rect bbox() override { return {x() + 1, y() + 2, x() + 19, y() + 20}; }
    Entity* clone() override { return new Avatar(); }
    std::string edString() override { return Kinds::AVATAR.label; }

    void toss();                       // throws what is carried; the velocity depends on the state
    void dropCarried();                // precondition: something is carried
    void die(const std::string& why);  // ignored once the outcome is decided
    void win();
    void checkWinConditions();
    void handleCollisions(double dt);
    void animate(double dt);

private:
    int pushed() const;         // -1 with only left held, 1 with only right held, 0 otherwise
    double facingSign() const;  // -1 facing left, 1 facing right
    void stand();
    void run(double dt);
    void checkGround();  // leaves the ground when nothing is under the middle of the feet
    void takeOff(double vx);
    void fly(double dt);
    void steer(double dt);
    void duck();
    void pickUpBelow();
    Vec throwVelocity() const;
    void holdCarried();  // overhead, lower while ducking
    static void addStatistic(double Game::*field, double amount = 1);
};
