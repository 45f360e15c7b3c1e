#pragma once

#include "assets/Sheet.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>

#include <map>
#include <string>

// Every asset, loaded once by file name and kept for the whole run.
class ResourceBase {
public:
    explicit ResourceBase(const std::string& file) : name(file) {}
    virtual ~ResourceBase() = default;
    std::string name;
};

template <typename T> class Resource : public ResourceBase {
public:
    explicit Resource(const std::string& name);  // loads, applying the type's failure rule
    ~Resource() override;
    T* asset;
};

template <> Resource<ALLEGRO_FONT>::Resource(const std::string& name);
template <> Resource<ALLEGRO_FONT>::~Resource();
template <> Resource<ALLEGRO_BITMAP>::Resource(const std::string& name);
template <> Resource<ALLEGRO_BITMAP>::~Resource();
template <> Resource<ALLEGRO_SAMPLE>::Resource(const std::string& name);
template <> Resource<ALLEGRO_SAMPLE>::~Resource();
template <> Resource<Sheet>::Resource(const std::string& name);
template <> Resource<Sheet>::~Resource();

class Resources {
public:
    // Holders are never removed, so every asset lives until the process ends.
    static std::map<std::string, ResourceBase*> sResources;

    // The name is the key and the path relative to the working directory. Fonts, bitmaps and
    // sheets that cannot be read end the process; a sound becomes a silent one.
    template <typename T> static void load(T*& out, const char* name) {
        ResourceBase*& entry = sResources[name];
        if (!entry)
            entry = new Resource<T>(name);
        out = static_cast<Resource<T>*>(entry)->asset;
    }
};
