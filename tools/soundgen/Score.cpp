#include "Score.h"

#include "InstrumentRecipe.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

struct Channel {
    std::string name;
    int first = 0;   // first module channel
    int voices = 1;  // module channels it spans (chords)
    int instrument = 0;
    int volume = 48;
    std::map<char, int> hits;  // drum letter -> instrument, for grid channels
};

struct Token {
    std::string body;
    int rows = 1, volume = -1, repeat = 1;
};

Token splitToken(const TextLine& line, const std::string& word) {
    Token t;
    std::size_t end = word.find_first_of(":@*");
    t.body = word.substr(0, end);
    for (std::size_t i = end; i < word.size();) {
        char mark = word[i];
        std::size_t next = word.find_first_of(":@*", i + 1);
        int value = std::atoi(word.substr(i + 1, next - i - 1).c_str());
        if (value <= 0 && mark != '@')
            line.fail("bad count in '" + word + "'");
        (mark == ':' ? t.rows : mark == '@' ? t.volume : t.repeat) = value;
        i = next;
    }
    return t;
}

uint8_t parseNote(const TextLine& line, const std::string& name) {
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A..G from C
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        line.fail("bad note '" + name + "'");
    int semitone = steps[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#')
        ++semitone, ++i;
    else if (name[i] == 'b')
        --semitone, ++i;
    int octave = std::atoi(name.c_str() + i);
    int note = octave * 12 + semitone + 1;  // XM: 1 = C-0
    if (i >= name.size() || !std::isdigit(name[i]) || note < 1 || note > 96)
        line.fail("bad note '" + name + "'");
    return uint8_t(note);
}

uint8_t volumeByte(int volume) {
    return uint8_t(xm::kVolumeSet + std::clamp(volume, 0, 64));
}

int writeNotes(const TextLine& line, const Channel& ch, const Token& t, xm::Pattern& p, int row) {
    if (t.body != ".") {
        std::vector<std::string> notes;
        for (std::size_t at = 0; at <= t.body.size();) {
            std::size_t plus = std::min(t.body.find('+', at), t.body.size());
            notes.push_back(t.body.substr(at, plus - at));
            at = plus + 1;
        }
        if (int(notes.size()) > ch.voices)
            line.fail("more notes than channel " + ch.name + " has voices");
        for (int v = 0; v < ch.voices; ++v) {
            xm::Cell& c = p.at(row, ch.first + v);
            if (t.body == "^" || v >= int(notes.size())) {
                c.note = xm::kKeyOff;
                continue;
            }
            c.note = parseNote(line, notes[std::size_t(v)]);
            c.instrument = uint8_t(ch.instrument);
            c.volume = volumeByte(t.volume >= 0 ? t.volume : ch.volume);
        }
    }
    return row + t.rows;
}

int writeHits(const TextLine& line, const Channel& ch, const Token& t, xm::Pattern& p, int row) {
    for (char hit : t.body) {
        if (hit != '.' && row < p.rows) {
            auto it = ch.hits.find(char(std::tolower(hit)));
            if (it == ch.hits.end())
                line.fail(std::string("no drum '") + hit + "' in channel " + ch.name);
            xm::Cell& c = p.at(row, ch.first);
            c.note = 49;  // C-4: the drum's own pitch
            c.instrument = uint8_t(it->second);
            c.volume = volumeByte(std::isupper(hit) ? ch.volume * 3 / 2 : ch.volume);
        }
        ++row;
    }
    return row;
}

class ScoreReader {
public:
    xm::Module module;

    void read(const std::vector<TextLine>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            readLine(lines[i], lines, i);
        if (module.orders.empty())
            throw SourceError("no order line");
        if (restart >= 0)
            addLoopJump();
        if (globalVolume >= 0)
            setGlobalVolume();
    }

private:
    void readLine(const TextLine& line, const std::vector<TextLine>& lines, std::size_t& i) {
        const std::vector<std::string>& w = line.words;
        if (w[0] == "song" && w.size() >= 2)
            module.name = w[1];
        else if (w[0] == "speed" && w.size() == 2)
            module.speed = std::stoi(w[1]);
        else if (w[0] == "bpm" && w.size() == 2)
            module.bpm = std::stoi(w[1]);
        else if (w[0] == "restart" && w.size() == 2)
            restart = std::stoi(w[1]);
        else if (w[0] == "volume" && w.size() == 2)
            readGlobalVolume(line);
        else if (w[0] == "instrument" && w.size() >= 2)
            readInstrument(lines, i);
        else if (w[0] == "channel" && w.size() >= 2)
            readChannel(line);
        else if (w[0] == "pattern" && w.size() == 3)
            readPattern(lines, i);
        else if (w[0] == "order")
            readOrder(line);
        else
            line.fail("unknown line '" + w[0] + "'");
    }

    void readInstrument(const std::vector<TextLine>& lines, std::size_t& i) {
        InstrumentRecipe recipe{lines[i], {}};
        while (i + 1 < lines.size() && lines[i + 1].words[0] == "voice")
            recipe.voices.push_back(lines[++i]);
        instrumentIndex[lines[i - recipe.voices.size()].words[1]] = int(module.instruments.size()) + 1;
        module.instruments.push_back(buildInstrument(recipe));
    }

    int findInstrument(const TextLine& line, const std::string& name) const {
        auto it = instrumentIndex.find(name);
        if (it == instrumentIndex.end())
            line.fail("no instrument '" + name + "'");
        return it->second;
    }

    void readChannel(const TextLine& line) {
        Settings s(line, 2);
        Channel ch;
        ch.name = line.words[1];
        ch.first = module.channels;
        ch.voices = std::max(1, int(s.number("voices", 1)));
        ch.volume = int(s.number("volume", ch.volume));
        if (s.has("instrument"))
            ch.instrument = findInstrument(line, s.text("instrument", ""));
        std::string hits = s.text("hits", "");
        for (std::size_t at = 0; at + 2 <= hits.size();) {
            std::size_t comma = std::min(hits.find(',', at), hits.size());
            if (hits[at + 1] != ':')
                line.fail("hits are letter:instrument, comma separated");
            ch.hits[hits[at]] = findInstrument(line, hits.substr(at + 2, comma - at - 2));
            at = comma + 1;
        }
        if (ch.instrument == 0 && ch.hits.empty())
            line.fail("a channel needs instrument= or hits=");
        module.channels = ch.first + ch.voices;
        channels[ch.name] = ch;
    }

    void readPattern(const std::vector<TextLine>& lines, std::size_t& i) {
        const TextLine& head = lines[i];
        xm::Pattern p(std::stoi(head.words[2]), module.channels);
        if (p.rows < 1 || p.rows > 256)
            head.fail("a pattern has 1 to 256 rows");
        while (i + 1 < lines.size() && channels.count(lines[i + 1].words[0]))
            readPart(lines[++i], p);
        patternIndex[head.words[1]] = uint8_t(module.patterns.size());
        module.patterns.push_back(p);
    }

    void readPart(const TextLine& line, xm::Pattern& p) {
        const Channel& ch = channels.at(line.words[0]);
        int row = 0;
        for (std::size_t k = 1; k < line.words.size(); ++k) {
            if (line.words[k] == "|")
                continue;
            Token t = splitToken(line, line.words[k]);
            for (int r = 0; r < t.repeat; ++r) {
                if (row >= p.rows)
                    line.fail("channel " + ch.name + " runs past the pattern's end");
                row = ch.hits.empty() ? writeNotes(line, ch, t, p, row) : writeHits(line, ch, t, p, row);
            }
        }
        if (row != p.rows)
            line.fail("channel " + ch.name + " fills " + std::to_string(row) + " of " +
                      std::to_string(p.rows) + " rows");
    }

    void readOrder(const TextLine& line) {
        for (std::size_t k = 1; k < line.words.size(); ++k) {
            auto it = patternIndex.find(line.words[k]);
            if (it == patternIndex.end())
                line.fail("no pattern '" + line.words[k] + "'");
            module.orders.push_back(it->second);
        }
    }

    // The last order jumps back to the restart order; a pattern used elsewhere too gets its own copy.
    void addLoopJump() {
        uint8_t& last = module.orders.back();
        if (std::count(module.orders.begin(), module.orders.end(), last) > 1) {
            module.patterns.push_back(module.patterns[last]);
            last = uint8_t(module.patterns.size() - 1);
        }
        xm::Pattern& p = module.patterns[last];
        xm::Cell& c = p.at(p.rows - 1, 0);
        c.effect = xm::kEffectPositionJump;
        c.param = uint8_t(restart);
        module.restart = restart;
    }

    void readGlobalVolume(const TextLine& line) {
        const std::string& word = line.words[1];
        if (word.empty() || word.size() > 2 || word.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(word) > 64)
            line.fail("volume is a whole number from 0 to 64");
        globalVolume = std::stoi(word);
    }

    // Set on every pattern's first row, so that a start at any order plays at it too.
    void setGlobalVolume() {
        for (xm::Pattern& p : module.patterns) {
            int channel = 0;
            while (channel < p.channels && p.at(0, channel).effect != 0)
                ++channel;
            if (channel == p.channels)
                throw SourceError("no channel free for the volume on a pattern's first row");
            p.at(0, channel).effect = xm::kEffectGlobalVolume;
            p.at(0, channel).param = uint8_t(globalVolume);
        }
    }

    int restart = -1;
    int globalVolume = -1;
    std::map<std::string, int> instrumentIndex;
    std::map<std::string, Channel> channels;
    std::map<std::string, uint8_t> patternIndex;
};

}  // namespace

xm::Module parseScore(std::istream& in, const std::string& fileName) {
    ScoreReader reader;
    reader.module.channels = 0;
    reader.read(readTextLines(in, fileName));
    return reader.module;
}
