// Our own table, written from ordinary Polish grammar: the three plural
// forms every Polish school grammar lists for a counted noun, and the
// genitive singular used after fractions ("dwa i pół kilograma").
#include "resources/unit_words.h"

#include "platform/codepage.h"

namespace {

using G = SGender;

struct SUnitRow {
    std::vector<const char*> writings;
    G gender;
    const char* one;
    const char* few;
    const char* many;
    const char* fraction;
    int minorUnit;
    bool multiplier;
    bool writtenOut;
};

// Rows 0 and 1 are the minor units that rows below point to.
const SUnitRow kRows[] = {
    {{"gr"}, G::Masculine, "grosz", "grosze", "groszy", "grosza", -1, false, false},
    {{"ct"}, G::Masculine, "cent", "centy", "centów", "centa", -1, false, false},
    {{"zł", "PLN"}, G::Masculine, "złoty", "złote", "złotych", "złotego", 0, false, false},
    {{"€", "EUR"}, G::Neuter, "euro", "euro", "euro", "euro", 1, false, false},
    {{"$", "USD"}, G::Masculine, "dolar", "dolary", "dolarów", "dolara", 1, false, false},
    {{"%"}, G::Masculine, "procent", "procent", "procent", "procent", -1, false, false},
    {{"°C"},
     G::Masculine,
     "stopień Celsjusza",
     "stopnie Celsjusza",
     "stopni Celsjusza",
     "stopnia Celsjusza",
     -1,
     false,
     false},
    {{"km/h"},
     G::Masculine,
     "kilometr na godzinę",
     "kilometry na godzinę",
     "kilometrów na godzinę",
     "kilometra na godzinę",
     -1,
     false,
     false},
    {{"m2"},
     G::Masculine,
     "metr kwadratowy",
     "metry kwadratowe",
     "metrów kwadratowych",
     "metra kwadratowego",
     -1,
     false,
     false},
    {{"m3"},
     G::Masculine,
     "metr sześcienny",
     "metry sześcienne",
     "metrów sześciennych",
     "metra sześciennego",
     -1,
     false,
     false},
    {{"kg"}, G::Masculine, "kilogram", "kilogramy", "kilogramów", "kilograma", -1, false, false},
    {{"dag"}, G::Masculine, "dekagram", "dekagramy", "dekagramów", "dekagrama", -1, false, false},
    {{"g"}, G::Masculine, "gram", "gramy", "gramów", "grama", -1, false, false},
    {{"t"}, G::Feminine, "tona", "tony", "ton", "tony", -1, false, false},
    {{"kWh"},
     G::Feminine,
     "kilowatogodzina",
     "kilowatogodziny",
     "kilowatogodzin",
     "kilowatogodziny",
     -1,
     false,
     false},
    {{"km"}, G::Masculine, "kilometr", "kilometry", "kilometrów", "kilometra", -1, false, false},
    {{"cm"},
     G::Masculine,
     "centymetr",
     "centymetry",
     "centymetrów",
     "centymetra",
     -1,
     false,
     false},
    {{"mm"}, G::Masculine, "milimetr", "milimetry", "milimetrów", "milimetra", -1, false, false},
    {{"m"}, G::Masculine, "metr", "metry", "metrów", "metra", -1, false, false},
    {{"ml"}, G::Masculine, "mililitr", "mililitry", "mililitrów", "mililitra", -1, false, false},
    {{"l"}, G::Masculine, "litr", "litry", "litrów", "litra", -1, false, false},
    {{"h"}, G::Feminine, "godzina", "godziny", "godzin", "godziny", -1, false, false},
    {{"min"}, G::Feminine, "minuta", "minuty", "minut", "minuty", -1, false, false},
    {{"s", "sek"}, G::Feminine, "sekunda", "sekundy", "sekund", "sekundy", -1, false, false},
    {{"tys"}, G::Masculine, "tysiąc", "tysiące", "tysięcy", "tysiąca", -1, true, false},
    {{"mln"}, G::Masculine, "milion", "miliony", "milionów", "miliona", -1, true, false},
    {{"mld"}, G::Masculine, "miliard", "miliardy", "miliardów", "miliarda", -1, true, false},
    {{"bln"}, G::Masculine, "bilion", "biliony", "bilionów", "biliona", -1, true, false},
    {{"szt"}, G::Feminine, "sztuka", "sztuki", "sztuk", "sztuki", -1, false, false},
    // Written-out nouns whose gender differs from the masculine the plain
    // numbers use (feminine "dwie", neuter "jedno").
    {{"tona", "tony", "ton"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"godzina", "godziny", "godzin"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"minuta", "minuty", "minut"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"sekunda", "sekundy", "sekund"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"osoba", "osoby", "osób"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"strona", "strony", "stron"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"kobieta", "kobiety", "kobiet"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"złotówka", "złotówki", "złotówek"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"sztuka", "sztuki", "sztuk"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"doba", "doby", "dób"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"noc", "noce", "nocy"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"książka", "książki", "książek"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"klasa", "klasy", "klas"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"część", "części"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"rzecz", "rzeczy"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"butelka", "butelki", "butelek"}, G::Feminine, "", "", "", "", -1, false, true},
    {{"dziecko"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"okno"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"piwo"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"jajko"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"miejsce"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"zdanie"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"pytanie"}, G::Neuter, "", "", "", "", -1, false, true},
    {{"euro"}, G::Neuter, "", "", "", "", -1, false, true},
};

SUnitWord Convert(const SUnitRow& row) {
    SUnitWord unit;
    for (const char* writing : row.writings) unit.writings.push_back(Utf8ToCp1250(writing));
    unit.gender = row.gender;
    unit.forms = {Utf8ToCp1250(row.one), Utf8ToCp1250(row.few), Utf8ToCp1250(row.many),
                  Utf8ToCp1250(row.fraction)};
    unit.minorUnit = row.minorUnit;
    unit.multiplier = row.multiplier;
    unit.writtenOut = row.writtenOut;
    return unit;
}

}  // namespace

const std::vector<SUnitWord>& UnitWords() {
    static const std::vector<SUnitWord> units = [] {
        std::vector<SUnitWord> converted;
        for (const SUnitRow& row : kRows) converted.push_back(Convert(row));
        return converted;
    }();
    return units;
}
