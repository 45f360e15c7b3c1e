#include "io/LevelText.h"

#include "io/Kinds.h"

#include <algorithm>
#include <sstream>

namespace LevelText {

namespace {

// The text's meaningful lines, with their numbers for messages.
class Lines {
public:
    explicit Lines(const std::string& text) : in(text) {}

    bool next(std::string& line) {
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line[0] != '#')
                return true;
        }
        return false;
    }

    bool fail(std::string& error, const std::string& why) const {
        error = "line " + std::to_string(number > 0 ? number : 1) + ": " + why;
        return false;
    }

private:
    std::istringstream in;
    int number = 0;
};

bool byteValue(const std::string& token, int& value) {
    if (token.empty() || token.size() > 3 || !std::all_of(token.begin(), token.end(), ::isdigit))
        return false;
    value = std::stoi(token);
    return value <= 255;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A double-quoted string with \" \\ and \xHH escapes, and nothing after it.
bool unquote(const std::string& quoted, std::string& text, std::string& why) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return why = "a sign's text goes in double quotes", false;
    text.clear();
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
        char c = quoted[i];
        if (c == '"')
            return why = "a quote inside a sign's text must be written \\\"", false;
        if (c == '\\') {
            char escaped = i + 2 < quoted.size() ? quoted[i + 1] : 0;
            if (escaped == '"' || escaped == '\\') {
                c = escaped;
                i += 1;
            } else if (escaped == 'x' && i + 4 < quoted.size() && hexDigit(quoted[i + 2]) >= 0 &&
                       hexDigit(quoted[i + 3]) >= 0) {
                c = static_cast<char>(hexDigit(quoted[i + 2]) * 16 + hexDigit(quoted[i + 3]));
                i += 3;
            } else {
                return why = "unknown escape in a sign's text", false;
            }
        }
        if (c == '$')
            return why = "a sign's text cannot hold '$'", false;
        text += c;
    }
    return true;
}

bool readFlagWord(const Kind& kind, const std::string& word, int& value, std::string& why) {
    for (int i = 0; i < 2; ++i)
        if (word == kind.flagWords[i])
            return value = i, true;
    why = std::string("expected '") + kind.flagWords[0] + "' or '" + kind.flagWords[1] + "'";
    return false;
}

bool readValues(std::istringstream& fields, LevelRecord& record, std::string& why) {
    std::string first, second, rest;
    int flag = 0;
    switch (record.kind->payload) {
    case Kind::NONE:
        break;
    case Kind::BYTE:
        if (!(fields >> first) || !byteValue(first, record.value))
            return why = "expected a value from 0 to 255", false;
        break;
    case Kind::FLAG:
        fields >> first;
        if (!readFlagWord(*record.kind, first, record.value, why))
            return false;
        break;
    case Kind::CHANNEL:
        if (!(fields >> first) || !byteValue(first, record.value))
            return why = "expected a channel from 0 to 255", false;
        fields >> second;
        if (!readFlagWord(*record.kind, second, flag, why))
            return false;
        record.on = flag;
        break;
    case Kind::TEXT:
        std::getline(fields >> std::ws, rest);
        return unquote(rest, record.text, why);
    }
    if (fields >> rest)
        return why = "unexpected '" + rest + "'", false;
    return true;
}

bool readObject(const std::string& line, LevelRecord& record, std::string& why) {
    std::istringstream fields(line);
    std::string keyword, col, row;
    fields >> keyword;
    record = LevelRecord();
    record.kind = Kinds::byKeyword(keyword);
    if (!record.kind)
        return why = "unknown object '" + keyword + "'", false;
    if (!(fields >> col >> row) || !byteValue(col, record.col) || !byteValue(row, record.row))
        return why = "expected a column and a row from 0 to 255", false;
    return readValues(fields, record, why);
}

bool readMap(Lines& lines, std::vector<LevelRecord>& mapped, std::string& error) {
    std::string line;
    if (!lines.next(line) || line != "map")
        return lines.fail(error, "expected 'map'");
    for (int row = 0; row < ROWS; ++row) {
        if (!lines.next(line))
            return lines.fail(error, "the map ends before its 30th row");
        if (int(line.size()) != COLUMNS)
            return lines.fail(error, "a map row is 40 characters, not " + std::to_string(line.size()));
        for (int col = 0; col < COLUMNS; ++col) {
            LevelRecord record;
            if (LevelRecord::fromMapSymbol(line[col], col, row, record))
                mapped.push_back(record);
            else if (line[col] != '.')
                return lines.fail(error, std::string("unknown map character '") + line[col] + "'");
        }
    }
    return true;
}

}  // namespace

bool read(const std::string& text, std::vector<LevelRecord>& records, std::string& error) {
    Lines lines(text);
    std::vector<LevelRecord> mapped, signs, listed;
    if (!readMap(lines, mapped, error))
        return false;
    std::string line, why;
    if (!lines.next(line) || line != "objects")
        return lines.fail(error, "expected 'objects' after the map");
    while (lines.next(line)) {
        LevelRecord record;
        if (!readObject(line, record, why))
            return lines.fail(error, why);
        (record.isSign() ? signs : listed).push_back(record);
    }
    LevelRecords::sortSigns(signs);
    records = signs;
    records.insert(records.end(), mapped.begin(), mapped.end());
    records.insert(records.end(), listed.begin(), listed.end());
    return true;
}

}  // namespace LevelText
