// Any text as a level source: the reader either refuses it with a reason or gives records
// whose written form is stable and compiles to a level the byte reader accepts.
#include "FuzzSupport.h"

#include "io/LevelRecord.h"
#include "io/LevelText.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<LevelRecord> records, again, parsed;
    std::string error;
    if (!LevelText::read(text, records, error)) {
        require(error.rfind("line ", 0) == 0, "a refusal names its line");
        return 0;
    }
    std::string written = LevelText::write(records);
    require(LevelText::read(written, again, error), "the written form reads");
    require(LevelText::write(again) == written, "the written form is stable");
    std::vector<uint8_t> bytes = LevelRecords::write(records);
    require(LevelRecords::parse(bytes, parsed, error), "the compiled level reads");
    require(parsed.size() == records.size(), "compiling keeps every record");
    return 0;
}
