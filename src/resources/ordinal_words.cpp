// Our own tables, from ordinary Polish grammar: the ordinal stems as a
// school grammar lists them, the adjective endings of the three stem types,
// and rulers' names as they appear in Polish history books.
#include "resources/ordinal_words.h"

#include <initializer_list>

#include "platform/codepage.h"

namespace {

using G = SGender;
using C = SCase;

std::vector<std::string> ToCp1250(std::initializer_list<const char*> words) {
    std::vector<std::string> converted;
    for (const char* word : words) converted.push_back(Utf8ToCp1250(word));
    return converted;
}

const std::vector<std::string>& UnitStems() {
    static const std::vector<std::string> stems =
        ToCp1250({"pierwsz", "drug", "trzeci", "czwart", "piąt", "szóst", "siódm", "ósm",
                  "dziewiąt", "dziesiąt", "jedenast", "dwunast", "trzynast", "czternast",
                  "piętnast", "szesnast", "siedemnast", "osiemnast", "dziewiętnast"});
    return stems;
}

const std::vector<std::string>& TensStems() {
    static const std::vector<std::string> stems =
        ToCp1250({"dwudziest", "trzydziest", "czterdziest", "pięćdziesiąt", "sześćdziesiąt",
                  "siedemdziesiąt", "osiemdziesiąt", "dziewięćdziesiąt"});
    return stems;
}

const std::vector<std::string>& HundredsStems() {
    static const std::vector<std::string> stems =
        ToCp1250({"setn", "dwusetn", "trzysetn", "czterechsetn", "pięćsetn", "sześćsetn",
                  "siedemsetn", "osiemsetn", "dziewięćsetn"});
    return stems;
}

// Endings by gender and case: hard stem, velar stem (after g, k), soft stem
// (ending in i).
struct SEndingRow {
    G gender;
    C grammaticalCase;
    const char* hard;
    const char* velar;
    const char* soft;
};

constexpr SEndingRow kEndings[] = {
    {G::Masculine, C::Nominative, "y", "i", ""},
    {G::Masculine, C::Genitive, "ego", "iego", "ego"},
    {G::Masculine, C::Dative, "emu", "iemu", "emu"},
    {G::Masculine, C::Accusative, "y", "i", ""},
    {G::Masculine, C::Instrumental, "ym", "im", "m"},
    {G::Masculine, C::Locative, "ym", "im", "m"},
    {G::Feminine, C::Nominative, "a", "a", "a"},
    {G::Feminine, C::Genitive, "ej", "iej", "ej"},
    {G::Feminine, C::Dative, "ej", "iej", "ej"},
    {G::Feminine, C::Accusative, "\xB9", "\xB9", "\xB9"},
    {G::Feminine, C::Instrumental, "\xB9", "\xB9", "\xB9"},
    {G::Feminine, C::Locative, "ej", "iej", "ej"},
    {G::Neuter, C::Nominative, "e", "ie", "e"},
    {G::Neuter, C::Genitive, "ego", "iego", "ego"},
    {G::Neuter, C::Dative, "emu", "iemu", "emu"},
    {G::Neuter, C::Accusative, "e", "ie", "e"},
    {G::Neuter, C::Instrumental, "ym", "im", "m"},
    {G::Neuter, C::Locative, "ym", "im", "m"},
};

// The plural endings, by case in the order of SCase.
constexpr struct {
    C grammaticalCase;
    const char* hard;
    const char* velar;
    const char* soft;
} kPluralEndings[] = {
    {C::Nominative, "e", "ie", "e"},       {C::Genitive, "ych", "ich", "ch"},
    {C::Dative, "ym", "im", "m"},          {C::Accusative, "e", "ie", "e"},
    {C::Instrumental, "ymi", "imi", "mi"}, {C::Locative, "ych", "ich", "ch"},
};

struct SNounRow {
    const char* form;
    G gender;
    C grammaticalCase;
};

std::vector<SNumberedNoun> Nouns(std::initializer_list<SNounRow> rows) {
    std::vector<SNumberedNoun> nouns;
    for (const SNounRow& row : rows)
        nouns.push_back({Utf8ToCp1250(row.form), row.gender, row.grammaticalCase});
    return nouns;
}

}  // namespace

const std::string& OrdinalUnitStem(int n) {
    return UnitStems().at(n - 1);
}
const std::string& OrdinalTensStem(int tens) {
    return TensStems().at(tens - 2);
}
const std::string& OrdinalHundredsStem(int h) {
    return HundredsStems().at(h - 1);
}

std::string OrdinalEnding(const std::string& stem, SGender gender, SCase grammaticalCase) {
    const char last = stem.empty() ? '\0' : stem.back();
    for (const SEndingRow& row : kEndings) {
        if (row.gender != gender || row.grammaticalCase != grammaticalCase) continue;
        if (last == 'g' || last == 'k') return row.velar;
        if (last == 'i') return row.soft;
        return row.hard;
    }
    return std::string();
}

std::string PluralEnding(const std::string& stem, SCase grammaticalCase) {
    const char last = stem.empty() ? '\0' : stem.back();
    for (const auto& row : kPluralEndings) {
        if (row.grammaticalCase != grammaticalCase) continue;
        if (last == 'g' || last == 'k') return row.velar;
        if (last == 'i') return row.soft;
        return row.hard;
    }
    return std::string();
}

const std::vector<SNumberedNoun>& NumberedNounsBefore() {
    static const std::vector<SNumberedNoun> nouns = Nouns({
        {"rozdział", G::Masculine, C::Nominative}, {"rozdziału", G::Masculine, C::Genitive},
        {"rozdziale", G::Masculine, C::Locative},  {"tom", G::Masculine, C::Nominative},
        {"tomu", G::Masculine, C::Genitive},       {"tomie", G::Masculine, C::Locative},
        {"akt", G::Masculine, C::Nominative},      {"aktu", G::Masculine, C::Genitive},
        {"akcie", G::Masculine, C::Locative},      {"etap", G::Masculine, C::Nominative},
        {"etapu", G::Masculine, C::Genitive},      {"etapie", G::Masculine, C::Locative},
        {"wiek", G::Masculine, C::Nominative},     {"zjazd", G::Masculine, C::Nominative},
        {"zjazdu", G::Masculine, C::Genitive},     {"zjeździe", G::Masculine, C::Locative},
        {"część", G::Feminine, C::Nominative},     {"części", G::Feminine, C::Genitive},
        {"klasa", G::Feminine, C::Nominative},     {"klasy", G::Feminine, C::Genitive},
        {"klasie", G::Feminine, C::Locative},      {"liga", G::Feminine, C::Nominative},
        {"ligi", G::Feminine, C::Genitive},        {"lidze", G::Feminine, C::Locative},
        {"kadencja", G::Feminine, C::Nominative},  {"kadencji", G::Feminine, C::Genitive},
        {"księga", G::Feminine, C::Nominative},    {"księgi", G::Feminine, C::Genitive},
        {"kategoria", G::Feminine, C::Nominative}, {"kategorii", G::Feminine, C::Genitive},
        {"piętro", G::Neuter, C::Nominative},      {"piętra", G::Neuter, C::Genitive},
        {"piętrze", G::Neuter, C::Locative},
    });
    return nouns;
}

const std::vector<SNumberedNoun>& NumberedNounsAfter() {
    static const std::vector<SNumberedNoun> nouns = Nouns({
        {"wiek", G::Masculine, C::Nominative},
        {"wieku", G::Masculine, C::Genitive},
        {"wieki", G::Masculine, C::Nominative},
        {"w", G::Masculine, C::Genitive},
        {"wojna", G::Feminine, C::Nominative},
        {"wojny", G::Feminine, C::Genitive},
        {"wojnie", G::Feminine, C::Locative},
        {"rzeczpospolita", G::Feminine, C::Nominative},
        {"rzeczpospolitej", G::Feminine, C::Genitive},
        {"liga", G::Feminine, C::Nominative},
        {"ligi", G::Feminine, C::Genitive},
        {"lidze", G::Feminine, C::Locative},
        {"piętro", G::Neuter, C::Nominative},
        {"piętra", G::Neuter, C::Genitive},
        {"piętrze", G::Neuter, C::Locative},
        {"kadencja", G::Feminine, C::Nominative},
        {"kadencji", G::Feminine, C::Genitive},
        {"zjazd", G::Masculine, C::Nominative},
        {"zjazdu", G::Masculine, C::Genitive},
        {"zjeździe", G::Masculine, C::Locative},
        {"edycja", G::Feminine, C::Nominative},
        {"edycji", G::Feminine, C::Genitive},
        {"klasa", G::Feminine, C::Nominative},
        {"klasy", G::Feminine, C::Genitive},
        {"klasie", G::Feminine, C::Locative},
        {"festiwal", G::Masculine, C::Nominative},
        {"festiwalu", G::Masculine, C::Genitive},
        {"konkurs", G::Masculine, C::Nominative},
        {"konkursu", G::Masculine, C::Genitive},
        {"konkursie", G::Masculine, C::Locative},
        {"sezon", G::Masculine, C::Nominative},
        {"sezonu", G::Masculine, C::Genitive},
        {"sezonie", G::Masculine, C::Locative},
        {"etap", G::Masculine, C::Nominative},
        {"etapu", G::Masculine, C::Genitive},
        {"etapie", G::Masculine, C::Locative},
        {"miejsce", G::Neuter, C::Nominative},
        {"miejsca", G::Neuter, C::Genitive},
        {"miejscu", G::Neuter, C::Locative},
        {"kwartał", G::Masculine, C::Nominative},
        {"kwartału", G::Masculine, C::Genitive},
        {"kwartale", G::Masculine, C::Locative},
        {"połowa", G::Feminine, C::Nominative},
        {"połowy", G::Feminine, C::Genitive},
        {"połowie", G::Feminine, C::Locative},
        {"tura", G::Feminine, C::Nominative},
        {"tury", G::Feminine, C::Genitive},
        {"turze", G::Feminine, C::Locative},
        {"kongres", G::Masculine, C::Nominative},
        {"kongresu", G::Masculine, C::Genitive},
        {"sobór", G::Masculine, C::Nominative},
        {"soboru", G::Masculine, C::Genitive},
    });
    return nouns;
}

const std::vector<std::string>& RulerNames(SGender gender) {
    static const std::vector<std::string> men = ToCp1250(
        {"jan",       "paweł",     "benedykt",  "pius",     "leon",        "grzegorz",  "innocenty",
         "klemens",   "bonifacy",  "urban",     "sykstus",  "aleksander",  "jerzy",     "henryk",
         "ludwik",    "karol",     "kazimierz", "bolesław", "władysław",   "zygmunt",   "mieszko",
         "stanisław", "august",    "wacław",    "przemysł", "leszek",      "konrad",    "fryderyk",
         "wilhelm",   "ryszard",   "edward",    "filip",    "franciszek",  "józef",     "piotr",
         "mikołaj",   "iwan",      "napoleon",  "otto",     "albrecht",    "gustaw",    "karol",
         "juliusz",   "wiktor",    "emanuel",   "jakub",    "maksymilian", "rudolf",    "ferdynand",
         "leopold",   "fryderyk",  "krystian",  "olaf",     "haakon",      "harald",    "eryk",
         "magnus",    "sobiesław", "bogusław",  "barnim",   "warcisław",   "świętopełk"});
    static const std::vector<std::string> women =
        ToCp1250({"elżbieta", "katarzyna", "maria", "anna", "krystyna", "wiktoria", "izabela",
                  "małgorzata", "joanna", "beatrycze", "jadwiga", "bona", "małgorzata"});
    return gender == SGender::Feminine ? women : men;
}
