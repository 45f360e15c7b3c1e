#include "ContactSheet.h"

#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "assets/Resources.h"

namespace {

const int SCALE = 4;
const int GAP = 8;
const int MARGIN = 12;
const int LABEL_HEIGHT = 26;

// Themes draw their effects in screen coordinates; this stretches the screen over one panel.
void useScreenToPanel(float x, float y) {
    ALLEGRO_TRANSFORM screen;
    al_build_transform(&screen, x, y, ContactSheet::PANEL_WIDTH / 800.0f, ContactSheet::PANEL_HEIGHT / 600.0f,
                       0);
    al_use_transform(&screen);
}

void usePanel(float x, float y) {
    ALLEGRO_TRANSFORM panel;
    al_build_transform(&panel, x, y, 1, 1, 0);
    al_use_transform(&panel);
}

}  // namespace

ContactSheet::ContactSheet(ALLEGRO_FONT* labelFont) : font(labelFont) {}

void ContactSheet::drawPanel(Theme* theme, float x, float y) {
    useScreenToPanel(x, y);
    drawSky(theme);
    theme->preProcess();
    usePanel(x, y);  // the tilting themes' transforms would only make the frames harder to judge
    cursorX = MARGIN;
    cursorY = LABEL_HEIGHT;
    rowHeight = 0;
    drawFrames();
    drawBottomRow(theme);
    useScreenToPanel(x, y);
    theme->postProcess();
    usePanel(x, y);
    drawLabel(theme->name());
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    al_use_transform(&identity);
}

// White with a dark shadow, so it reads on the palest and the darkest sky.
void ContactSheet::drawLabel(const char* name) {
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(0, 0, 0));
    Draw::text(font, MARGIN + 1, 5, 0, name);
    Draw::setOrdinaryBlender();
    Draw::text(font, MARGIN, 4, 0, name);
}

void ContactSheet::drawSky(Theme* theme) {
    GfxHelpers::gradientRectangle(0, 0, 800, 600, theme->gradientUp(), theme->gradientDown());
}

void ContactSheet::drawFrames() {
    for (const char* name : {"media/tilesheet.png", "media/guysheet.png"})
        drawSheetFrames(name);
    for (const char* name : {"media/badsheet.png", "media/loosesheet.png"})
        drawSheetFrames(name);
    for (const char* name : {"media/bag.png", "media/puff.png", "media/glow.png"}) {
        ALLEGRO_BITMAP* picture;
        Resources::load(picture, name);
        drawEnlarged(picture);
    }
    drawSheetFrames("media/completesheet.png");
    newRow();
    drawSheetFrames("media/contsheet.png");
}

void ContactSheet::drawSheetFrames(const char* sheetName) {
    Sheet* sheet;
    Resources::load(sheet, sheetName);
    for (ALLEGRO_BITMAP* frame : sheet->frames)
        drawEnlarged(frame);
}

void ContactSheet::drawEnlarged(ALLEGRO_BITMAP* frame) {
    float width = al_get_bitmap_width(frame) * SCALE;
    float height = al_get_bitmap_height(frame) * SCALE;
    if (cursorX + width > PANEL_WIDTH - MARGIN)
        newRow();
    Draw::scaledBitmap(frame, 0, 0, al_get_bitmap_width(frame), al_get_bitmap_height(frame), cursorX, cursorY,
                       width, height);
    cursorX += width + GAP;
    if (height > rowHeight)
        rowHeight = height;
}

void ContactSheet::newRow() {
    cursorX = MARGIN;
    cursorY += rowHeight + GAP;
    rowHeight = 0;
}

// The logo and the cloud at their own size, as the game draws them.
void ContactSheet::drawBottomRow(Theme* theme) {
    ALLEGRO_BITMAP* logo;
    ALLEGRO_BITMAP* cloud;
    Resources::load(logo, "media/logo.png");
    Resources::load(cloud, "media/cloud.png");
    float logoY = PANEL_HEIGHT - MARGIN - al_get_bitmap_height(logo);
    float logoX = PANEL_WIDTH - MARGIN - al_get_bitmap_width(logo);
    Draw::bitmap(logo, logoX, logoY);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, theme->cloudColor());
    Draw::bitmap(cloud, logoX - al_get_bitmap_width(cloud) - 2 * GAP, logoY);
    Draw::setOrdinaryBlender();
}
