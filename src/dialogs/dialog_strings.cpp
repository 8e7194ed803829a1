#include "dialogs/dialog_strings.h"

#include <utility>
#include <vector>

#ifndef VOKRANT_VERSION
#define VOKRANT_VERSION "0"
#endif

namespace {

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

std::vector<std::string> SplitBars(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c != '|') {
            part += c;
            continue;
        }
        parts.push_back(part);
        part.clear();
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

// The "name|pattern|name|pattern" list as trimmed pairs; a pair missing
// either half is dropped.
std::vector<std::pair<std::string, std::string>> FilterPairs(const std::string& barSeparated) {
    const std::vector<std::string> parts = SplitBars(barSeparated);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string name = Trimmed(parts[i]);
        std::string pattern = Trimmed(parts[i + 1]);
        if (!name.empty() && !pattern.empty()) pairs.emplace_back(name, pattern);
    }
    return pairs;
}

}  // namespace

std::string FileDialogFilter(const std::string& barSeparated) {
    std::string filter;
    for (const auto& [name, pattern] : FilterPairs(barSeparated)) {
        if (!filter.empty()) filter += ";;";
        // The dialog reads the patterns from the last parentheses of a name.
        const std::string shown = "(" + pattern + ")";
        const bool showsPattern = name.size() >= shown.size() && name.ends_with(shown);
        filter += showsPattern ? name : name + " " + shown;
    }
    return filter;
}

std::string OpenFileNameFilter(const std::string& barSeparated) {
    std::string filter;
    for (const auto& [name, pattern] : FilterPairs(barSeparated)) {
        filter += name;
        filter += '\0';
        filter += pattern;
        filter += '\0';
    }
    filter += '\0';
    return filter;
}

std::string BuildLabel() {
    return std::string("Vokrant ") + VOKRANT_VERSION +
           " – polski syntezator mowy, głos Borvan (22050 Hz)";
}
