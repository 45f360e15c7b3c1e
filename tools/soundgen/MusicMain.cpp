// soundgen-music SCORE OUT.xm: builds a module, instruments and all, from its composition.
#include "Score.h"
#include "TextLines.h"
#include "XmWriter.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: soundgen-music SCORE OUT.xm\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    try {
        std::vector<uint8_t> bytes = writeXm(parseScore(in, argv[1]));
        std::ofstream out(argv[2], std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::cerr << argv[2] << ": cannot write\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
