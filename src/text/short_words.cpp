#include "text/short_words.h"

#include "core/containers.h"

namespace {

const char* const kShortWords[] = {
    "a",
    "bez",
    "bo",
    "by",
    "co",
    "czy",
    "dla",
    "do",
    "i",
    "jest",
    "na",
    "nie",
    "o",
    "od",
    "po",
    "przy",
    "to",
    "u",
    "we",
    "za",
    "ze",
    "\xBF"
    "e",  // że
};

class SShortWords {
public:
    SShortWords() {
        for (const char* word : kShortWords) map_.Set(word, 1);
    }
    bool Contains(const std::string& text) const { return map_.Find(text) >= 0; }

private:
    SStr2_Map<int> map_;
};

}  // namespace

bool IsShortWord(const std::string& text) {
    static const SShortWords table;
    return table.Contains(text);
}
