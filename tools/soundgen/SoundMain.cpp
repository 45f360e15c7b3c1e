// soundgen-sound RECIPE OUT.wav: synthesises one sound effect from its recipe.
#include "SoundRecipe.h"
#include "TextLines.h"
#include "WavFile.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: soundgen-sound RECIPE OUT.wav\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    try {
        if (!writeWav(argv[2], renderSound(parseSoundRecipe(in, argv[1])), kSampleRate)) {
            std::cerr << argv[2] << ": cannot write\n";
            return 1;
        }
    } catch (const SourceError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
