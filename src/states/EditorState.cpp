#include "states/EditorState.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "io/Kinds.h"
#include "io/LoadSave.h"
#include "states/EditorHelp.h"
#include "states/PlayState.h"
#include "world/Tile.h"

#include <cstdio>
#include <string>

namespace {

const char* const WORKING_FILE = "levels/edit.lv";
const char* const TEST_FILE = "levels/play.lv";

bool inField(int cellX, int cellY) {
    return cellX >= 0 && cellX < EditorState::COLUMNS && cellY >= 0 && cellY < EditorState::ROWS;
}

// Floor division, so that a mouse left of or above the window is off the field.
int cellOf(int pixel) {
    return pixel < 0 ? -1 : pixel / 20;
}

int cellIndex(int cellX, int cellY) {
    return cellX * EditorState::ROWS + cellY;
}

bool fileExists(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file)
        std::fclose(file);
    return file != nullptr;
}

std::string objects(size_t count) {
    return std::to_string(count) + (count == 1 ? " object" : " objects");
}

}  // namespace

EditorState::EditorState() {
    Resources::load(font, "media/font.ttf");
    buildPalette();
}

// Tiles have no level grid here to delete them, so everything goes through removal.
EditorState::~EditorState() {
    clearAll();
}

void EditorState::buildPalette() {
    for (const Kind* const* kind = Kinds::all(); *kind; ++kind)
        (*kind)->addToPalette(palette);
}

void EditorState::update(double dt) {
    notice.advance(dt);
    int cellX = cellOf(mouse.x), cellY = cellOf(mouse.y);
    if (!started)
        startFromHere();
    bool newCell = cellX != lastCellX || cellY != lastCellY;
    if (click.on() || (leftHeld.on() && newCell)) {
        lastCellX = cellX;
        lastCellY = cellY;
        place(cellX, cellY);
    }
    if (rightHeld.on())
        erase(cellX, cellY);
    choosePrototype();
    if (saveKey.on())
        saveWorkingFile();
    if (loadKey.on())
        loadWorkingFile();
    if (playKey.on())
        testPlay();
    if (helpKey.on())
        helpShown = !helpShown;
}

// A button held or a wheel turned before the editor opened must not act in its first frame.
void EditorState::startFromHere() {
    lastWheel = mouse.z;
    lastCellX = cellOf(mouse.x);
    lastCellY = cellOf(mouse.y);
    started = true;
}

// Outside the field (a mouse held down and dragged off the window) nothing is placed.
void EditorState::place(int cellX, int cellY) {
    if (!inField(cellX, cellY))
        return;
    Entity*& cell = grid[cellIndex(cellX, cellY)];
    if (cell)
        world.remove(cell);
    Entity* copy = palette[selected]->clone();
    copy->setPos(Vec(cellX * 20, cellY * 20));
    world.add(copy);
    world.reindex();
    cell = copy;
}

void EditorState::erase(int cellX, int cellY) {
    if (!inField(cellX, cellY) || !grid[cellIndex(cellX, cellY)])
        return;
    world.remove(grid[cellIndex(cellX, cellY)]);
    world.reindex();
    grid[cellIndex(cellX, cellY)] = nullptr;
}

void EditorState::choosePrototype() {
    int n = static_cast<int>(palette.size());
    if (previous.on())
        selected = (selected + n - 1) % n;
    else if (next.on())
        selected = (selected + 1) % n;
    int turned = (mouse.z - lastWheel) % n;
    selected = (selected + turned + n) % n;
    lastWheel = mouse.z;
}

void EditorState::clearAll() {
    for (Entity* entity : world.list(Tags::ENTT))
        world.remove(entity);
    world.reindex();
    std::fill(std::begin(grid), std::end(grid), nullptr);
}

// A save that fails ends the program with the file code's message, so reaching the notice means it was
// written.
void EditorState::saveWorkingFile() {
    LoadSave().save(WORKING_FILE, &world);
    notice.say("Saved " + objects(world.list(Tags::ENTT).size()) + " to " + WORKING_FILE);
}

// Without a working file yet the layout on screen is kept rather than lost. Entities the
// file places off the field stay in the level but get no cell.
void EditorState::loadWorkingFile() {
    if (!fileExists(WORKING_FILE)) {
        std::string missing =
            std::string("There is no ") + WORKING_FILE + " to load yet: press S to save one.";
        std::printf("%s\n", missing.c_str());
        notice.say(missing);
        return;
    }
    clearAll();
    LoadSave().load(WORKING_FILE, &world);
    world.reindex();
    for (Entity* entity : world.list(Tags::ENTT)) {
        int cellX = static_cast<int>(entity->x() / 20), cellY = static_cast<int>(entity->y() / 20);
        if (entity->x() >= 0 && entity->y() >= 0 && inField(cellX, cellY))
            grid[cellIndex(cellX, cellY)] = entity;
    }
    notice.say("Loaded " + objects(world.list(Tags::ENTT).size()) + " from " + WORKING_FILE);
}

// The test plays a copy on disk, so nothing the test does reaches the editor's world.
void EditorState::testPlay() {
    LoadSave().save(TEST_FILE, &world);
    {
        PlayState play(PlayState::TITLE_OR_TEST, TEST_FILE);
        play.editorTest = true;
        play.run(this);
    }
    Tile::restoreGroups();
    notice.say(std::string("Test play ended; S saves this layout to ") + WORKING_FILE);
}

void EditorState::render(ALLEGRO_DISPLAY*) {
    al_clear_to_color(al_map_rgb(120, 180, 255));
    ALLEGRO_COLOR gridColour = al_map_rgb(60, 100, 255);
    // Through pixel centres, so that each line is the first pixel row or column of its cells.
    for (int x = 0; x < 800; x += 20)
        Draw::line(x + 0.5f, 0, x + 0.5f, 600, gridColour, 1);
    for (int y = 0; y < 600; y += 20)
        Draw::line(0, y + 0.5f, 800, y + 0.5f, gridColour, 1);
    world.render();
    Draw::shadowedText(font, 5, 5, ALLEGRO_ALIGN_LEFT, palette[selected]->edString(),
                       al_map_rgb(255, 255, 255));
    notice.render(font, 5, 5 + al_get_font_line_height(font) + 4);
    if (helpShown)
        EditorHelp::render(font);
}
