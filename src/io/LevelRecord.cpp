#include "io/LevelRecord.h"

#include "io/Kinds.h"

#include <algorithm>

bool LevelRecord::isSign() const {
    return kind->payload == Kind::TEXT;
}

char LevelRecord::mapSymbol() const {
    switch (kind->payload) {
    case Kind::BYTE:
        return kind == &Kinds::TILE ? Kinds::tileSymbol(value) : 0;
    case Kind::NONE:
        return kind->symbol;
    case Kind::FLAG:
        return value ? kind->flaggedSymbol : kind->symbol;
    default:
        return 0;
    }
}

bool LevelRecord::fromMapSymbol(char symbol, int col, int row, LevelRecord& record) {
    record = LevelRecord();
    record.col = col;
    record.row = row;
    int type = Kinds::tileType(symbol);
    if (type >= 0) {
        record.kind = &Kinds::TILE;
        record.value = type;
        return true;
    }
    for (const Kind* const* kind = Kinds::all(); *kind; ++kind) {
        if (symbol != 0 && ((*kind)->symbol == symbol || (*kind)->flaggedSymbol == symbol)) {
            record.kind = *kind;
            record.value = (*kind)->flaggedSymbol == symbol;
            return true;
        }
    }
    return false;
}

namespace LevelRecords {

namespace {

bool readPayload(const std::vector<uint8_t>& bytes, size_t& at, LevelRecord& record) {
    int fixed = record.kind->payloadBytes();
    if (fixed < 0) {
        size_t end = at;
        while (end < bytes.size() && bytes[end] != '$')
            ++end;
        if (end == bytes.size())
            return false;
        record.text.assign(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(end));
        at = end + 1;
        return true;
    }
    if (at + static_cast<size_t>(fixed) > bytes.size())
        return false;
    if (fixed >= 1)
        record.value = bytes[at];
    if (record.kind->payload == Kind::FLAG)
        record.value = record.value != 0;
    if (fixed == 2)
        record.on = bytes[at + 1] != 0;
    at += static_cast<size_t>(fixed);
    return true;
}

}  // namespace

bool parse(const std::vector<uint8_t>& bytes, std::vector<LevelRecord>& records, std::string& error) {
    records.clear();
    size_t at = 0;
    while (at + 1 < bytes.size() && bytes[at] != 0xFF && bytes[at + 1] != 0xFF) {
        std::string code(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 2);
        LevelRecord record;
        record.kind = Kinds::byCode(code);
        if (!record.kind) {
            error = "unknown code '" + code + "' at byte " + std::to_string(at);
            return false;
        }
        size_t start = at;
        at += 2;
        bool whole = at + 2 <= bytes.size();
        if (whole) {
            record.col = bytes[at];
            record.row = bytes[at + 1];
            at += 2;
            whole = readPayload(bytes, at, record);
        }
        if (!whole) {
            error = "record '" + code + "' at byte " + std::to_string(start) + " is cut off";
            return false;
        }
        records.push_back(record);
    }
    return true;
}

std::vector<uint8_t> write(const std::vector<LevelRecord>& records) {
    std::vector<uint8_t> bytes;
    for (const LevelRecord& record : records) {
        bytes.push_back(static_cast<uint8_t>(record.kind->code[0]));
        bytes.push_back(static_cast<uint8_t>(record.kind->code[1]));
        bytes.push_back(static_cast<uint8_t>(record.col));
        bytes.push_back(static_cast<uint8_t>(record.row));
        switch (record.kind->payload) {
        case Kind::NONE:
            break;
        case Kind::BYTE:
        case Kind::FLAG:
            bytes.push_back(static_cast<uint8_t>(record.value));
            break;
        case Kind::CHANNEL:
            bytes.push_back(static_cast<uint8_t>(record.value));
            bytes.push_back(record.on ? 1 : 0);
            break;
        case Kind::TEXT:
            bytes.insert(bytes.end(), record.text.begin(), record.text.end());
            bytes.push_back('$');
            break;
        }
    }
    return bytes;
}

void sortSigns(std::vector<LevelRecord>& signs) {
    std::stable_sort(signs.begin(), signs.end(), [](const LevelRecord& a, const LevelRecord& b) {
        return a.col != b.col ? a.col < b.col : a.row < b.row;
    });
}

}  // namespace LevelRecords
