// The extended reading where the sentence decides the form: years and
// abbreviated nouns in their case, titles and "tzw." agreeing with the
// word after them, numerals agreeing with counted nouns, numbers written
// with blanks, signs, compounds, fractions and ranges of hours. Expected
// readings are ordinary Polish grammar.
#include <gtest/gtest.h>

#include "model/chars.h"
#include "platform/codepage.h"
#include "recording_sink.h"
#include "text/declined_abbreviations.h"
#include "text/governed_hour_noun.h"
#include "text/noun_forms.h"
#include "text/numbers.h"
#include "text/ordinals.h"

namespace {

using C = SGrammaticalCase;
using G = SGender;

SAttribute ExtendedSettings() {
    SAttribute settings = TestSettings();
    settings.extendedReading = true;
    settings.colloquialTime = false;
    return settings;
}

// A text, where the reader starts in it, and what it says.
struct SRow {
    const char* text;
    uint32_t start;
    const char* spoken;
};

// The words the number reader makes of the text at `start`, and how far it read.
std::string Read(const char* utf8, uint32_t start = 0, uint32_t* end = nullptr) {
    const std::string text = Cp(utf8);
    SRecordingSink sink;
    uint32_t position = start;
    if (!ReadNumber(text.c_str(), position, ExtendedSettings(), sink)) return "(declined)";
    if (end) *end = position;
    return sink.Spoken();
}

// The reading of the abbreviation that starts at `start` and ends at `end`.
std::string Abbreviation(const char* utf8, uint32_t start, uint32_t end) {
    const std::string text = Cp(utf8);
    const std::string word = text.substr(start, end - start);
    std::string lowered;
    for (char c : word) lowered += static_cast<char>(ToLowerChar(static_cast<unsigned char>(c)));
    auto words = ReadDeclinedAbbreviation(lowered, text.c_str(), start, text.c_str() + end);
    return words ? Cp1250ToUtf8(*words) : "(plain)";
}

TEST(InflectedReadingTest, AYearTakesTheCaseOfWhatStandsBeforeIt) {
    const SRow rows[] = {
        {"w 1410 r. pod", 2, "tysiąc czterysta dziesiątym roku"},
        {"o 1990 r. mowa", 2, "tysiąc dziewieńcet dziewięćdziesiątym roku"},
        {"po 1989 r. nic", 3, "tysiąc dziewieńcet osiemdziesiątym dziewiątym roku"},
        {"przy 2000 r. coś", 5, "dwutysięcznym roku"},
        {"od 1999 r. tu", 3, "tysiąc dziewieńcet dziewieńdziesiątego dziewiątego roku"},
        {"sprzed 1900 r. są", 7, "tysiąc dziewięćsetnego roku"},
        {"przed 1989 r. było", 6, "tysiąc dziewieńcet osiemdziesiątym dziewiątym rokiem"},
        {"na 2025 r. plan", 3, "dwa tysiące dwudziesty piąty rok"},
        {"za 2023 r. raport", 3, "dwa tysiące dwudziesty trzeci rok"},
        {"1918 r. przyniósł", 0, "tysiąc dziewieńcet osiemnasty rok"},
        {"Tak. 1918 r. przyniósł", 5, "tysiąc dziewieńcet osiemnasty rok"},
        {"ok. 1600 r. powstał", 4, "tysiąc sześćsetnego roku"},
        {"wybory 1989 r. były", 7, "tysiąc dziewieńcet osiemdziesiątego dziewiątego roku"},
        {"w 2020 roku", 2, "dwa tysiące dwudziestym"},    // the text's "roku" is locative
        {"od 2020 roku", 3, "dwa tysiące dwudziestego"},  // and genitive
        {"przed 2000 rokiem", 6, "dwutysięcznym"},
        {"2020 rok był", 0, "dwa tysiące dwudziesty"},
        {"w 966 r. chrzest", 2, "dziewieńcet sześćdziesiątym szóstym roku"},
        {"w 3000 r. nic", 2, "trzy tysiące"},
        {"dnia 5 r. ery", 5,
         "piątego roku"},  // no "zero" before a year below 100  // past the years read as ordinals
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, YearOrdinalsInEveryCaseAtTheRoundYears) {
    struct SRow {
        int year;
        SCase grammaticalCase;
        const char* words;
    };
    const SRow rows[] = {
        {1000, SCase::Locative, "tysięcznym "},
        {2000, SCase::Nominative, "dwutysięczny "},
        {1900, SCase::Instrumental, "tysiąc dziewięćsetnym "},
        {1410, SCase::Locative, "tysiąc czterysta dziesiątym "},
        {2001, SCase::Dative, "dwa tysiące pierwszemu "},
        {100, SCase::Nominative, "setny "},
        {42, SCase::Locative, "czterdziestym drugim "},
        {0, SCase::Locative, ""},
        {3000, SCase::Locative, ""},
    };
    for (const SRow& row : rows)
        EXPECT_EQ(Cp1250ToUtf8(YearOrdinalWordsIn(row.year, row.grammaticalCase)), row.words)
            << row.year;
    EXPECT_EQ(YearNounIn(SCase::Instrumental), "rokiem");
    EXPECT_EQ(YearNounIn(SCase::Accusative), "rok");
}

TEST(InflectedReadingTest, AbbreviatedNounsTitlesAndAgreeingAdjectives) {
    struct SRow {
        const char* text;
        uint32_t start, end;
        const char* spoken;
    };
    const SRow rows[] = {
        {"przy ul. Długiej", 5, 8, "ulicy"},
        {"na ul. Długą", 3, 6, "ulicę"},        // the accusative the adjective shows
        {"na ul. Mickiewicza", 3, 6, "ulicy"},  // a noun after it: the usual locative
        {"z ul. Leśnej", 2, 5, "ulicy"},
        {"ul. Długa 5", 0, 3, "ulica"},
        {"w al. Jerozolimskie", 2, 5, "aleje"},  // a plural adjective
        {"w woj. mazowieckim", 2, 6, "województwie"},
        {"Urząd gm. Lesznowola", 6, 9, "gminy"},  // attributive genitive
        {"Kraków, ul. Długa", 8, 11, "ulica"},
        {"pod nr 112", 4, 6, "numerem"},
        {"wykład prof. Nowaka", 7, 12, "profesora"},
        {"z prof. Nowakiem", 2, 7, "profesorem"},
        {"u dr Kowalskiej", 2, 4, "doktor"},  // a woman's title is not declined
        {"u prof. dr. Nowaka", 8, 11, "doktora"},
        {"dr hab. Jan", 3, 7, "habilitowany"},
        {"kościół św. Anny", 8, 11, "świętej"},
        {"parafia św. Jana", 8, 11, "świętego"},
        {"do św. Antoniego", 3, 6, "świętego"},
        {"o św. Jerzym", 2, 5, "świętym"},
        {"św. Jerzy walczy", 0, 3, "święty"},
        {"tzw. okazja", 0, 4, "tak zwana"},
        {"z tzw. szarą strefą", 2, 6, "tak zwaną"},
        {"tzw. okienko", 0, 4, "tak zwane"},
        {"o tzw. rynku", 2, 6, "tak zwanym"},
        {"projekt tzw. ustawy", 8, 12, "tak zwanej"},
        {"o tzw. kryzysie", 2, 6, "tak zwanym"},  // the noun tables know "kryzys"
        {"w tzw. strefie", 2, 6, "tak zwanej"},   // and "strefa"
        {"o tzw. parasolie", 2, 6, "(plain)"},    // "-ie" alone does not tell the gender
        {"ww. osoba", 0, 3, "wyżej wymieniona"},
        {"ul. 5", 0, 3, "ulica"},
        {"kot", 0, 3, "(plain)"},
    };
    for (const SRow& row : rows)
        EXPECT_EQ(Abbreviation(row.text, row.start, row.end), row.spoken) << row.text;
}

TEST(InflectedReadingTest, TheGuessThePrepositionAllows) {
    const std::vector<SNounGuess> ending = GuessAgreeingAdjective(Cp("długą"), G::Feminine);
    ASSERT_FALSE(ending.empty());
    EXPECT_EQ(ChooseGuess(ending, "na")->grammaticalCase, C::kAccusative);
    EXPECT_EQ(ChooseGuess(ending, "z")->grammaticalCase, C::kInstrumental);
    EXPECT_FALSE(ChooseGuess(ending, "do"));  // no genitive in "-ą"
    EXPECT_EQ(ChooseGuess(ending, "")->grammaticalCase, ending.front().grammaticalCase);
    EXPECT_TRUE(GuessCommonNoun("xy").empty());
    EXPECT_EQ(GuessPersonName(Cp("kowalska")).front().gender, G::Feminine);
    EXPECT_EQ(GuessPersonName("jerzy").front().grammaticalCase, C::kNominative);
    EXPECT_EQ(GuessPersonName("annie").front().gender, G::Feminine);
}

TEST(InflectedReadingTest, NumeralsAgreeWithCountedNouns) {
    struct SRow {
        const char* text;
        const char* spoken;
    };
    const SRow rows[] = {
        {"2 koleżanki", "dwie"},
        {"22 koleżanki", "dwadzieścia dwie"},
        {"12 koleżanek", "dwanaście"},
        {"1 brata", "jednego"},
        {"1 brat", "jeden"},
        {"1 psa", "jednego"},
        {"1 siostrę", "jedną"},
        {"1 osoby", "jednej"},
        {"1 dziecko", "jedno"},
        {"1 prośbę", "jedną"},  // a feminine accusative the tables do not list
        {"3 braci", "trzech"},
        {"2 bracia", "dwaj"},
        {"4 studentów", "czterech"},
        {"5 studentów", "pięciu"},
        {"21 studentów", "dwudziestu jeden"},
        {"25 000 mieszkańców", "dwadzieścia pięć tysięcy"},  // counted by "tysięcy"
        {"2 dzieci", "dwoje"},
        {"3 dzieci", "troje"},
        {"5 dzieci", "pięcioro"},
        {"2 drzwi", "dwoje"},
        {"2 stacje", "dwie"},
        {"2 koty", "dwa"},
        {"2 możliwości", "dwie"},
        {"5 kotów", "pięć"},
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text), row.spoken) << row.text;
}

TEST(InflectedReadingTest, BlanksBetweenGroupsOfThreeDigits) {
    const SRow rows[] = {
        {"25 000 ludzi", 0, "dwadzieścia pięć tysięcy"},
        {"25\xC2\xA0"
         "000 ludzi",
         0, "dwadzieścia pięć tysięcy"},  // no-break space
        {"1 200 000 zł", 0, "milion dwieście tysięcy złotych"},
        {"12 345 zł", 0, "dwanaście tysięcy trzysta czterdzieści pięć złotych"},
        {"601 234 567", 0, "sześset jeden"},  // a telephone number
        {"123 456 789 zł", 0,
         "sto dwadzieścia trzy miliony czterysta pieńdziesiąt sześć "
         "tysięcy siedemset osiemdziesiąt dziewięć złotych"},
        {"22 333 44 55", 0, "dwadzieścia dwa"},  // groups of other lengths
        {"tel. 500 600", 5, "pieńcet"},          // after "tel." no thousands
        {"12 3456", 0, "dwanaście"},
        {"2024 300", 0, "dwa tysiące dwadzieścia cztery"},  // the first group is too long
        {"5 00", 0, "pięć"},
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, SignsBeforeNumbers) {
    const SRow rows[] = {
        {"+5", 0, "plus pięć"},
        {"+3°C", 0, "plus trzy stopnie Celsjusza"},
        {"2+2", 1, "plus dwa"},  // a plus is a plus between digits too
        {"\xE2\x80\x93"
         "4°C",
         0, "minus cztery stopnie Celsjusza"},  // en dash
        {"10\xE2\x80\x93"
         "18",
         2, "osiemnaście"},  // between digits: a dash
        {"do -5°C", 3, "minus pięciu stopni Celsjusza"},
        {"od -5 do", 3, "minus pięciu"},
        {"+x", 0, "(declined)"},
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
    EXPECT_EQ(UnicodeToCp1250BestFit(0x2212), '-');
    EXPECT_EQ(UnicodeToCp1250BestFit(0x202F), '\xA0');
    EXPECT_EQ(Utf8ToCp1250BestFit("50 m\xC2\xB2, 2 m\xC2\xB3"), "50 m2, 2 m3");
    EXPECT_EQ(UnicodeToCp1250(0x00B2), '?');
    EXPECT_EQ(UnicodeToCp1250(0x2212), '?');  // without the extended reading: as ever
    EXPECT_EQ(Utf8ToCp1250BestFit("\xE2\x88\x92"
                                  "5\xE2\x80\xAF"
                                  "000"),
              "-5\xA0"
              "000");
}

TEST(InflectedReadingTest, MultipliersAndHalves) {
    struct SRow {
        const char* text;
        const char* spoken;
    };
    const SRow rows[] = {
        {"1 mln zł", "milion złotych"},
        {"1 bln zł", "bilion złotych"},
        {"1 tys. zł", "tysiąc złotych"},
        {"2 bln zł", "dwa biliony złotych"},
        {"5 mld zł", "pięć miliardów złotych"},
        {"2,5 mln zł", "dwa i pół miliona złotych"},
        {"1,5 mln zł", "półtora miliona złotych"},
        {"1,5 t", "półtorej tony"},
        {"0,5 l", "pół litra"},
        {"0,25 l", "zero i dwadzieścia pięć setnych litra"},
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text), row.spoken) << row.text;
}

TEST(InflectedReadingTest, CompoundsFractionsAndWhatIsNeither) {
    const SRow rows[] = {
        {"5-letni", 0, "pięcioletni"},
        {"10-krotnie", 0, "dziesięciokrotnie"},
        {"20-latek", 0, "dwudziestolatek"},
        {"25-letnią", 0, "dwudziestopięcioletnią"},
        {"2-pokojowe", 0, "dwupokojowe"},
        {"100-lecie", 0, "stulecie"},
        {"1000-letni", 0, "tysiącletni"},
        {"5-ty", 0, "piąty"},
        {"2-go", 0, "drugiego"},
        {"3-ciej", 0, "trzeciej"},
        {"3-4 osoby", 0, "trzy"},  // a range stays a range
        {"1/3 butelki", 0, "jedna trzecia"},
        {"2/3 posłów", 0, "dwie trzecie"},
        {"3/4 tortu", 0, "trzy czwarte"},
        {"5/8 całości", 0, "pięć ósmych"},
        {"1/2 szklanki", 0, "pół"},
        {"1/2/2024", 0, "pierwszego lutego dwa tysiące dwudziestego czwartego roku"},
        {"12/3", 0, "dwanaście"},  // the numerator is not below the denominator
        {"24/7", 0, "dwadzieścia cztery"},
        {"przy Długiej 2/5", 13, "dwa"},  // an address
        {"nr 1/3", 3, "jeden"},
        {"1/200", 0, "jeden"},  // beyond the denominators read as fractions
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, RangesOfHoursAndTimesAfterPrepositions) {
    const SRow rows[] = {
        {"od 8-16 pracuję", 3, "ósmej do szesnastej"},
        {"czynne od 9 do 17", 10, "dziewiątej do siedemnastej"},
        {"od 9 do 17 mamy", 3, "dziewięciu"},  // no word of opening hours
        {"od 1-10 stron", 3, "jeden"},         // too early for a working day
        {"od 5-6 lat", 3, "pięć"},
        {"o 7:05", 2, "siódmej zero pięć"},
        {"od 9:00", 3, "dziewiątej zero zero"},
        {"przed 18:30", 6, "osiemnastą trzydzieści"},
        {"około 14:15", 6, "czternastej pietnaście"},
        {"w 7:05", 2, "siódma zero pięć"},  // "w" gives a clock hour no case
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, RangesOfHoursAfterAWordForHours) {
    const SRow rows[] = {
        {"w godz. 10–18", 8, "od dziesiątej do osiemnastej"},
        {"godz. 8-16", 6, "od ósmej do szesnastej"},
        {"w godzinach 9–17", 12, "od dziewiątej do siedemnastej"},
        {"godziny 7 - 14", 8, "od siódmej do czternastej"},
        {"godz. 22-6", 6, "od dwudziestej drugiej do szóstej"},  // a night shift
        {"godz. 8.30-16.30", 6, "od ósmej trzydzieści do szesnastej trzydzieści"},
        {"godz. 10:00–18:00", 6, "od dziesiątej zero zero do osiemnastej zero zero"},
        // Not a pair of hours: the hour reader or the plain one takes them.
        {"godz. 8:30-16", 6, "ósma trzydzieści"},  // a time and a bare number mixed
        {"godz. 25-30", 6, "dwadzieścia pięć"},    // no such hours
        {"godz. 8-16 km", 6, "osiem"},             // a unit: a distance
        {"godz. 8-16,5", 6, "osiem"},              // a decimal
        {"strony 8-16", 7, "osiem"},               // no word for hours
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, TheHourNounBeforeARangeIsPlural) {
    EXPECT_EQ(GovernedHourNoun("godz.", "w", " 10-18"), "godzinach");
    EXPECT_EQ(GovernedHourNoun("godz.", Cp("czynne"), " 8:00 - 16:00"), "godziny");
    EXPECT_EQ(GovernedHourNoun("godz", "", "9-17"), "godziny");
    EXPECT_EQ(GovernedHourNoun("godz.", "o", " 8"), "godzinie");  // a single hour
    EXPECT_FALSE(GovernedHourNoun("godz.", "w", " 8"));           // "w" governs no single hour
}

TEST(InflectedReadingTest, ZeroBeforeAUnitAndDaysOfARangeOfDates) {
    const SRow rows[] = {
        {"0°C", 0, "zero stopni Celsjusza"},
        {"poniżej 0°C", 8, "zera stopni Celsjusza"},  // zero is a noun: its genitive
        {"0 zł", 0, "zero złotych"},
        {"0 osób", 0, "zero"},  // a written-out noun: the plain reader's zero
        {"0", 0, "zero"},
        {"od 1 do 15 lipca", 3, "pierwszego"},
        {"1-3 maja", 0, "pierwszego"},
        {"od 1 do 15 osób", 3, "jednej"},  // no month: a count, feminine as "osoba"
        {"1 do 45 lipca", 0, "jeden"},     // no such day
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, AWomansSurnameInTheNominativeKeepsHerTitle) {
    EXPECT_EQ(Abbreviation("według prof. Nowak", 7, 12), "profesor");
    EXPECT_EQ(Abbreviation("według prof. Nowaka", 7, 12), "profesora");
    EXPECT_EQ(Abbreviation("z dr. Nowak", 2, 5), "doktor");
    EXPECT_EQ(Abbreviation("z dr. Nowakiem", 2, 5), "doktorem");
}

TEST(InflectedReadingTest, DecadesAfterLata) {
    const SRow rows[] = {
        {"w latach 90. było", 9, "dziewięćdziesiątych"},
        {"lata 80-te", 5, "osiemdziesiąte"},
        {"muzyka lat 70.", 11, "siedemdziesiątych"},
        {"latami 60.", 7, "sześćdziesiątymi"},
        {"w latach 2000", 9, "dwa tysiące"},   // no decade of tens
        {"ma 90 lat", 3, "dziewieńdziesiąt"},  // "lat" after the number is a count
        {"w latach 95.", 9, "dziewieńdziesiąt pięć"},
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, MoreAbbreviatedNounsAndNounsMadeOfAdjectives) {
    EXPECT_EQ(Abbreviation("do Wydz. Komunikacji", 3, 8), "wydziału");
    EXPECT_EQ(Abbreviation("w sprawie tzw. janosikowego", 10, 14), "tak zwanego");
    EXPECT_EQ(Abbreviation("dzięki tzw. becikowemu", 7, 11), "tak zwanemu");
}

TEST(InflectedReadingTest, NounsOfAMeasureTakeTheAmountInTheGenitive) {
    const SRow rows[] = {
        {"w wysokości 500 zł", 12, "pięciuset złotych"},
        {"o masie 12 t", 8, "dwunastu ton"},
        {"w odległości 5 km", 13, "pięciu kilometrów"},
        {"niedaleko 2 szkół", 10, "dwóch"},
        {"blisko 2 tys. osób", 7, "dwóch tysięcy"},
        {"masie 1 kg", 6, "jednego kilograma"},  // one: the genitive singular
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, AfterANounAWomansNameMayBeAMansGenitive) {
    // "Stanisława" is a woman's name and the genitive of "Stanisław".
    EXPECT_EQ(Abbreviation("kościół św. Stanisława", 8, 11), "świętego");
    EXPECT_EQ(Abbreviation("pw. św. Stanisława", 4, 7), "świętego");
    EXPECT_EQ(Abbreviation("kościół św. Anny", 8, 11), "świętej");
    EXPECT_EQ(Abbreviation("to jest św. Stanisława", 8, 11), "święta");  // no noun before it
    EXPECT_EQ(Abbreviation("św. Stanisława", 0, 3), "święta");
}

TEST(InflectedReadingTest, ANounInTheLocativeChoosesThatCase) {
    const SRow rows[] = {
        {"po 3 latach", 3, "trzech"},  // "-ach": the locative plural
        {"w 5 miastach", 2, "pięciu"},
        {"o 2 sprawach", 2, "dwóch"},
        {"po 5 zł", 3, "pięć złotych"},  // no noun in "-ach": "po" is distributive
        {"w 1 mieście", 2, "jednym"},    // one before a locative the tables know
        {"na 1 stronie", 3, "jednej"},
        {"w 1 domu", 2, "jednym"},    // a masculine "-u" is locative after "w"
        {"do 1 domu", 3, "jednego"},  // and genitive after "do"
        {"w 1 kopalni", 2, "jeden"},  // unknown: the plain reading
    };
    for (const SRow& row : rows) EXPECT_EQ(Read(row.text, row.start), row.spoken) << row.text;
}

TEST(InflectedReadingTest, MoreTitlesAreDeclined) {
    EXPECT_EQ(Abbreviation("z mec. Nowakiem", 2, 6), "mecenasem");
    EXPECT_EQ(Abbreviation("u asp. Kowalskiego", 2, 6), "aspiranta");
    EXPECT_EQ(Abbreviation("dla kom. Nowak", 4, 8), "komisarz");  // a woman
}

}  // namespace
