#pragma once

#include <cstdio>
#include <map>
#include <string>

class Entity;
class World;

// Reads level files into a world and writes worlds back, through a registry of prototypes by
// two-letter code. A file is nothing but records, one after another.
class LoadSave {
public:
    enum Outcome { COMPLETE, UNKNOWN_CODE };

    std::map<std::string, Entity*> registry;  // owned prototypes of every kind

    LoadSave();
    ~LoadSave();
    LoadSave(const LoadSave&) = delete;
    LoadSave& operator=(const LoadSave&) = delete;

    // Fatal when the file cannot be opened or holds an unknown code.
    void load(const char* path, World* world);
    void save(const char* path, World* world);

    // Adds the stream's records to the world. A record cut off by the end of the stream is
    // dropped; an unknown code stops the reading and is returned in `unknown`.
    Outcome read(FILE* file, World* world, std::string& unknown);
};
