#include "resources/word_lists.h"

#include <initializer_list>

#include "platform/codepage.h"

namespace {

std::vector<std::string> ToCp1250(std::initializer_list<const char*> words) {
    std::vector<std::string> converted;
    converted.reserve(words.size());
    for (const char* word : words) converted.push_back(Utf8ToCp1250(word));
    return converted;
}

}  // namespace

const std::vector<std::string>& ShortWordList() {
    static const std::vector<std::string> words =
        ToCp1250({"a",   "bez", "bo", "by", "co",   "czy", "dla", "do", "i",  "jest", "na",
                  "nie", "o",   "od", "po", "przy", "to",  "u",   "we", "za", "ze",   "że"});
    return words;
}

const std::vector<std::string>& NoSpellWordList() {
    static const std::vector<std::string> words =
        ToCp1250({"A",   "ALE",  "BEZ", "BO",  "BY",    "BYĆ",  "CO",  "CZY",  "DLA",  "DO",  "E",
                  "GDY", "I",    "ICH", "JA",  "JAK",   "JEST", "KIM", "KTO",  "LECZ", "LUB", "MA",
                  "MI",  "MNIE", "MÓJ", "NA",  "NAD",   "NAM",  "NAS", "NASZ", "NIE",  "NIM", "NO",
                  "O",   "OD",   "PO",  "POD", "PRZED", "PRZY", "SIĘ", "TAK",  "TAM",  "TĄ",  "TO",
                  "TU",  "TYM",  "U",   "WE",  "ZA",    "ZE",   "ŹLE", "ŻE"});
    return words;
}

// Our own list: acronyms that news readers and ordinary speakers pronounce
// as words, collected from everyday Polish usage (offices, institutions,
// organisations, shops).
const std::vector<std::string>& ReadAsWordAcronymList() {
    static const std::vector<std::string> words =
        ToCp1250({"ZUS",  "KRUS", "NATO", "PESEL", "REGON", "NASA", "GUS",    "PIT",    "NIK",
                  "NIP",  "LOT",  "PAP",  "MON",   "MEN",   "SOR",  "OFE",    "ZOZ",    "GOPR",
                  "TOPR", "WOŚP", "BOK",  "UEFA",  "FIFA",  "OPEC", "UNESCO", "UNICEF", "LIDL",
                  "ALDI", "PIN",  "RAM",  "ROM",   "CIT",   "VAT",  "PEKAO"});
    return words;
}
