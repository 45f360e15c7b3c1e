#include "TextLines.h"

#include <algorithm>
#include <cctype>
#include <sstream>

void TextLine::fail(const std::string& message) const {
    throw SourceError(where + ": " + message);
}

std::vector<TextLine> readTextLines(std::istream& in, const std::string& fileName) {
    std::vector<TextLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        // A comment starts at a '#' that begins a word, so sharps such as F#4 survive.
        for (std::size_t at = text.find('#'); at != std::string::npos; at = text.find('#', at + 1))
            if (at == 0 || std::isspace(static_cast<unsigned char>(text[at - 1]))) {
                text.resize(at);
                break;
            }
        std::istringstream words(text);
        TextLine line{fileName + ":" + std::to_string(number), {}};
        for (std::string word; words >> word;)
            line.words.push_back(word);
        if (!line.words.empty())
            lines.push_back(line);
    }
    return lines;
}

Settings::Settings(const TextLine& source, std::size_t first) : line(source) {
    for (std::size_t i = first; i < line.words.size(); ++i) {
        const std::string& word = line.words[i];
        std::size_t eq = word.find('=');
        if (eq == std::string::npos || eq == 0)
            line.fail("expected key=value, found '" + word + "'");
        values[word.substr(0, eq)] = word.substr(eq + 1);
    }
}

std::string Settings::text(const std::string& key, const std::string& fallback) const {
    auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
}

double Settings::parseNumber(const std::string& key, const std::string& text) const {
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size())
        line.fail("'" + key + "' wants a number, found '" + text + "'");
    return value;
}

double Settings::number(const std::string& key, double fallback) const {
    return has(key) ? parseNumber(key, text(key, "")) : fallback;
}

void Settings::range(const std::string& key, double& from, double& to) const {
    if (!has(key))
        return;
    std::vector<double> points = path(key, {});
    if (points.size() > 2)
        line.fail("'" + key + "' sweeps between two values at most");
    from = points.front();
    to = points.back();
}

std::vector<double> Settings::path(const std::string& key, const std::vector<double>& fallback) const {
    if (!has(key))
        return fallback;
    std::vector<double> points;
    std::string value = text(key, "");
    for (std::size_t at = 0; at <= value.size();) {
        std::size_t arrow = std::min(value.find('>', at), value.size());
        points.push_back(parseNumber(key, value.substr(at, arrow - at)));
        at = arrow + 1;
    }
    return points;
}

std::vector<double> Settings::numbers(const std::string& key) const {
    std::vector<double> result;
    std::istringstream parts(text(key, ""));
    for (std::string part; std::getline(parts, part, ':');)
        result.push_back(parseNumber(key, part));
    return result;
}
