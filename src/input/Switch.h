#pragma once

#include <vector>

// A boolean input. Primary switches sample a device from the running state's snapshots;
// dependents are recomputed right after their source, once per loop turn.
class Switch {
public:
    static std::vector<Switch*> sPrimaries;  // every live primary, in construction order

    explicit Switch(bool primary);
    virtual ~Switch();
    Switch(const Switch&) = delete;
    Switch& operator=(const Switch&) = delete;

    virtual bool on() = 0;
    virtual void update() = 0;

    void registerDependent(Switch* dependent);
    void unregisterDependent(Switch* dependent);
    static void updatePrimaries();

protected:
    void updateDependent();

private:
    bool primary;
    std::vector<Switch*> dependents;  // not owned
};
