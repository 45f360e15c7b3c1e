#include "music/a5play.h"
#include "progress/Config.h"
#include "states/AppState.h"
#include "states/EditorState.h"
#include "states/Startup.h"
#include "states/TitleState.h"

int main(int argc, char** argv) {
    bool fullScreen = Startup::firstArgumentIs(argc, argv, "-fs");
    ALLEGRO_DISPLAY* display = Startup::startGame(fullScreen);
    if (Startup::firstArgumentIs(argc, argv, "-editor")) {
        EditorState editor;
        editor.run(nullptr);
    } else {
        TitleState title;
        title.run(nullptr);
        Config::get().save();
    }
    // The render thread must be gone before the exit handlers take the audio system down.
    al_stop_module();
    al_destroy_display(display);
    return 0;
}
