#pragma once

#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A parse failure, naming the file and line in its message.
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One non-blank line of a recipe or composition, split into words, with comments (a word starting with '#'
// and the rest of the line) removed.
struct TextLine {
    std::string where;  // "file:line", for messages
    std::vector<std::string> words;
    [[noreturn]] void fail(const std::string& message) const;
};

std::vector<TextLine> readTextLines(std::istream& in, const std::string& fileName);

// The `key=value` words of a line from index `first` on.
class Settings {
public:
    Settings(const TextLine& line, std::size_t first);
    bool has(const std::string& key) const { return values.count(key) != 0; }
    std::string text(const std::string& key, const std::string& fallback) const;
    double number(const std::string& key, double fallback) const;
    // "a>b" sweeps from a to b; a single number stays put.
    void range(const std::string& key, double& from, double& to) const;
    // "a>b>c...", one or more numbers; the fallback when the key is absent.
    std::vector<double> path(const std::string& key, const std::vector<double>& fallback) const;
    // "a:b:c", each part a number.
    std::vector<double> numbers(const std::string& key) const;

private:
    double parseNumber(const std::string& key, const std::string& text) const;
    const TextLine& line;
    std::map<std::string, std::string> values;
};
