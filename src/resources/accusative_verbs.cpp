// Our own list, from ordinary Polish grammar: transitive verbs of shops,
// kitchens, offices and news that often stand before an amount.
#include "resources/accusative_verbs.h"

#include "platform/codepage.h"

namespace {

std::vector<std::string> Converted(std::initializer_list<const char*> words) {
    std::vector<std::string> converted;
    for (const char* word : words) converted.push_back(Utf8ToCp1250(word));
    return converted;
}

}  // namespace

const std::vector<std::string>& AccusativeVerbStems() {
    static const std::vector<std::string> stems = Converted({
        "wypi",      "wypij",       "zjad",      "zjedz",      "zje",       "kupi",     "kupuj",
        "sprzeda",   "straci",      "traci",     "wyda",       "przeznacz", "doda",     "dodaj",
        "wsyp",      "wsypa",       "wlej",      "wla",        "odlej",     "odla",     "zuży",
        "zużyw",     "odda",        "zapłaci",   "płaci",      "zebra",     "zbiera",   "otrzyma",
        "dosta",     "stanowi",     "zajmuj",    "zaję",       "zają",      "obejmuj",  "objął",
        "objęł",     "pokrywa",     "pokry",     "zdoby",      "wygra",     "przegra",  "odzyska",
        "wycię",     "wyciął",      "odłoży",    "odłóż",      "zostawi",   "zostaw",   "przejmie",
        "przeją",    "przejęł",     "posiada",   "odsprzeda",  "wypłaci",   "pożyczy",  "spłaci",
        "oszczędzi", "zaoszczędzi", "odjąć",     "odejmij",    "dosyp",     "dolej",    "dola",
        "przelej",   "przela",      "wymieszaj", "rozpuść",    "ugotuj",    "upiecz",   "pokrój",
        "pokroi",    "zrealizowa",  "wykona",    "przeczyta",  "obejrza",   "przebieg", "przejecha",
        "przepłyn",  "przeszed",    "przejdź",   "wykorzysta", "odebra",    "oddaj",
    });
    return stems;
}

const std::vector<std::string>& VerbFormEndings() {
    static const std::vector<std::string> endings = Converted({
        "",      "ł",      "łem",    "łam", "łeś", "łaś", "ła",  "ło",    "li", "ły",   "liśmy",
        "łyśmy", "liście", "łyście", "m",   "sz",  "my",  "cie", "ją",    "je", "ję",   "esz",
        "e",     "emy",    "ecie",   "ą",   "isz", "i",   "imy", "icie",  "j",  "jcie", "ć",
        "no",    "ono",    "l",      "lem", "lam", "la",  "aj",  "ajcie",
    });
    return endings;
}
