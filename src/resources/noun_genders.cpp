// Our own list, from everyday Polish (news, offices, shops, sport): nouns
// that often stand after "tzw.", "św." or "ww." in the locative, with the
// gender any Polish dictionary gives them.
#include "resources/noun_genders.h"

#include "platform/codepage.h"

namespace {

const char* const kMasculine[] = {
    "kryzys",      "system",    "problem",    "program",   "projekt",   "plan",      "budżet",
    "rząd",        "sąd",       "świat",      "sejm",      "senat",     "parlament", "dokument",
    "moment",      "proces",    "okres",      "sektor",    "teatr",     "region",    "teren",
    "obszar",      "model",     "zespół",     "artykuł",   "stół",      "list",      "kontekst",
    "koncert",     "internet",  "komitet",    "urząd",     "zakład",    "przykład",  "wydział",
    "oddział",     "mechanizm", "kapitalizm", "komunizm",  "socjalizm", "terroryzm", "patriotyzm",
    "sport",       "konflikt",  "efekt",      "aspekt",    "kontrakt",  "produkt",   "obiekt",
    "fakt",        "raport",    "transport",  "import",    "eksport",   "paszport",  "format",
    "klimat",      "mandat",    "regulamin",  "termin",    "sklep",     "urlop",     "las",
    "biznes",      "sukces",    "kompromis",  "serwis",    "adres",     "kurs",      "wirus",
    "koronawirus", "zawód",     "powiat",     "magistrat", "szczyt",    "etat",      "lot",
    "wschód",      "zachód",    "ogród",      "gabinet",   "portal",    "kanał",     "festiwal",
    "protest",     "skandal",   "interes",    "obóz",      "samorząd",  "etap",      "trend",
    "zamach",      "podział",   "układ",      "spór",
};

const char* const kFeminine[] = {
    "strefa",    "reforma",   "forma",      "norma",     "platforma", "firma",     "ustawa",
    "umowa",     "rozmowa",   "sprawa",     "szkoła",    "kultura",   "struktura", "natura",
    "procedura", "polityka",  "gospodarka", "praktyka",  "fabryka",   "apteka",    "biblioteka",
    "europa",    "ameryka",   "afryka",     "mapa",      "grupa",     "lista",     "gazeta",
    "kwota",     "opłata",    "rata",       "debata",    "strona",    "cena",      "zmiana",
    "rodzina",   "gmina",     "woda",       "pogoda",    "droga",     "szafa",     "taryfa",
    "prasa",     "klasa",     "kasa",       "kolejka",   "ulga",      "usługa",    "księga",
    "sztuka",    "nauka",     "muzyka",     "technika",  "wiosna",    "rzeka",     "ręka",
    "wojna",     "kara",      "kariera",    "atmosfera", "sfera",     "bariera",   "afera",
    "dieta",     "planeta",   "bieda",      "moda",      "zasada",    "metoda",    "nagroda",
    "przyroda",  "wspólnota", "sobota",     "trasa",     "marka",     "karta",     "szkoda",
    "epoka",     "branża",    "wystawa",    "budowa",    "obrona",    "ochrona",   "walka",
    "podwyżka",  "dopłata",   "składka",    "wpłata",    "wypłata",   "oferta",    "stawka",
    "emerytura", "ankieta",   "poczta",
};

const char* const kNeuter[] = {
    "państwo",      "społeczeństwo", "bezpieczeństwo", "rolnictwo",
    "ministerstwo", "miasto",        "lato",           "ciało",
    "okno",         "koło",          "słowo",          "prawo",
    "drzewo",       "mięso",         "auto",           "konto",
    "złoto",        "kino",          "wino",           "biuro",
    "jezioro",      "sąsiedztwo",    "województwo",    "przedsiębiorstwo",
    "zwycięstwo",   "małżeństwo",    "święto",
};

void AddAll(std::vector<std::pair<std::string, SGender>>& nouns, const char* const* words,
            size_t count, SGender gender) {
    for (size_t i = 0; i < count; ++i) nouns.emplace_back(Utf8ToCp1250(words[i]), gender);
}

}  // namespace

const std::vector<std::pair<std::string, SGender>>& LocativeEndingNouns() {
    static const std::vector<std::pair<std::string, SGender>> nouns = [] {
        std::vector<std::pair<std::string, SGender>> all;
        AddAll(all, kMasculine, std::size(kMasculine), SGender::Masculine);
        AddAll(all, kFeminine, std::size(kFeminine), SGender::Feminine);
        AddAll(all, kNeuter, std::size(kNeuter), SGender::Neuter);
        return all;
    }();
    return nouns;
}
