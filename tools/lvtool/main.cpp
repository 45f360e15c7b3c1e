// Turns level sources into level files and back:
//   lvtool compile LEVEL.txt LEVEL.lv
//   lvtool decompile LEVEL.lv LEVEL.txt
#include "core/AtomicFile.h"
#include "io/LevelRecord.h"
#include "io/LevelText.h"

#include <cstdio>
#include <string>

namespace {

int failWith(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "lvtool: %s: %s\n", path.c_str(), why.c_str());
    return 1;
}

int compile(const std::string& source, const std::string& target) {
    std::vector<uint8_t> bytes;
    if (!AtomicFile::read(source, bytes))
        return failWith(source, "cannot open");
    std::vector<LevelRecord> records;
    std::string error;
    if (!LevelText::read(std::string(bytes.begin(), bytes.end()), records, error))
        return failWith(source, error);
    if (!AtomicFile::write(target, LevelRecords::write(records)))
        return failWith(target, "cannot write");
    return 0;
}

int decompile(const std::string& source, const std::string& target) {
    std::vector<uint8_t> bytes;
    if (!AtomicFile::read(source, bytes))
        return failWith(source, "cannot open");
    std::vector<LevelRecord> records;
    std::string error;
    if (!LevelRecords::parse(bytes, records, error))
        return failWith(source, error);
    std::string text = LevelText::write(records);
    std::vector<LevelRecord> again;
    LevelText::read(text, again, error);
    if (LevelRecords::write(again) != bytes)
        std::fprintf(stderr,
                     "lvtool: %s: note: the source lists the records in the text form's order "
                     "(signs, the map row by row, then the list)\n",
                     source.c_str());
    if (!AtomicFile::write(target, std::vector<uint8_t>(text.begin(), text.end())))
        return failWith(target, "cannot write");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc == 4 ? argv[1] : "";
    if (command == "compile")
        return compile(argv[2], argv[3]);
    if (command == "decompile")
        return decompile(argv[2], argv[3]);
    std::fprintf(stderr, "usage: lvtool compile LEVEL.txt LEVEL.lv | lvtool decompile LEVEL.lv LEVEL.txt\n");
    return 2;
}
