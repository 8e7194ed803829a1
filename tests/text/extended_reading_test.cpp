// The extended reading's pieces one by one: count forms and gendered
// numerals at the agreement edges, ordinals, Roman numerals in and out of
// context, the extended number reader's shapes, dotted abbreviations, and
// the regional date defaults.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/dates.h"
#include "text/dotted_abbreviations.h"
#include "text/extended_numbers.h"
#include "text/numbers.h"
#include "text/ordinals.h"
#include "text/roman_numerals.h"
#include "text/unit_agreement.h"

namespace {

SAttribute ExtendedSettings() {
    SAttribute settings = TestSettings();
    settings.extendedReading = true;
    return settings;
}

const SUnitWord& UnitWritten(const char* utf8) {
    const std::string text = Cp(utf8);
    auto match = ScanUnit(text.c_str(), 0);
    EXPECT_TRUE(match) << utf8;
    return *match->unit;
}

std::string Read(const char* utf8, const SAttribute& settings, uint32_t start = 0,
                 uint32_t* end = nullptr) {
    const std::string text = Cp(utf8);
    SRecordingSink sink;
    uint32_t position = start;
    if (!ReadNumber(text.c_str(), position, settings, sink)) return "(declined)";
    if (end) *end = position;
    return sink.Spoken();
}

TEST(UnitAgreementTest, FormAndGenderAtTheEdges) {
    struct SCase {
        int64_t count;
        const char* zloty;  // masculine
        const char* tona;   // feminine
        const char* euro;   // neuter
    };
    const SCase cases[] = {
        {1, "jeden złoty", "jedna tona", "jedno euro"},
        {2, "dwa złote", "dwie tony", "dwa euro"},
        {4, "cztery złote", "cztery tony", "cztery euro"},
        {5, "pięć złotych", "pięć ton", "pięć euro"},
        {11, "jedenaście złotych", "jedenaście ton", "jedenaście euro"},
        {12, "dwanaście złotych", "dwanaście ton", "dwanaście euro"},
        {13, "trzynaście złotych", "trzynaście ton", "trzynaście euro"},
        {14, "czternaście złotych", "czternaście ton", "czternaście euro"},
        {21, "dwadzieścia jeden złotych", "dwadzieścia jeden ton", "dwadzieścia jeden euro"},
        {22, "dwadzieścia dwa złote", "dwadzieścia dwie tony", "dwadzieścia dwa euro"},
        {25, "dwadzieścia pięć złotych", "dwadzieścia pięć ton", "dwadzieścia pięć euro"},
        {100, "sto złotych", "sto ton", "sto euro"},
        {101, "sto jeden złotych", "sto jeden ton", "sto jeden euro"},
        {102, "sto dwa złote", "sto dwie tony", "sto dwa euro"},
        {112, "sto dwanaście złotych", "sto dwanaście ton", "sto dwanaście euro"},
        {1002, "tysiąc dwa złote", "tysiąc dwie tony", "tysiąc dwa euro"},
    };
    const SUnitWord& zloty = UnitWritten("zł");
    const SUnitWord& tona = UnitWritten("t");
    const SUnitWord& euro = UnitWritten("€");
    for (const SCase& c : cases) {
        auto say = [&](const SUnitWord& unit) {
            return Cp1250ToUtf8(GenderedIntegerWords(c.count, unit.gender) +
                                UnitForm(unit, c.count, false));
        };
        EXPECT_EQ(say(zloty), c.zloty) << c.count;
        EXPECT_EQ(say(tona), c.tona) << c.count;
        EXPECT_EQ(say(euro), c.euro) << c.count;
    }
    // A fraction takes the genitive singular whatever the whole part is.
    EXPECT_EQ(Cp1250ToUtf8(UnitForm(UnitWritten("kg"), 2, true)), "kilograma");
    EXPECT_EQ(Cp1250ToUtf8(UnitForm(UnitWritten("t"), 1, true)), "tony");
}

TEST(UnitAgreementTest, WritingsNeedAWordBoundary) {
    const std::pair<const char*, const char*> cases[] = {
        {" kg,", "kilogram"},       {"kg", "kilogram"}, {" km/h", "kilometr na godzinę"},
        {" km.", "kilometr"},       {"%", "procent"},   {" °C", "stopień Celsjusza"},
        {" m2", "metr kwadratowy"}, {" m", "metr"},     {" tys.", "tysiąc"},
    };
    for (const auto& [written, one] : cases)
        EXPECT_EQ(Cp1250ToUtf8(UnitWritten(written).forms.one), one) << written;
    for (const char* notAUnit : {" kgb", " mama", " t2", "  kg", " stronami", " Zł"})
        EXPECT_FALSE(ScanUnit(Cp(notAUnit).c_str(), 0)) << notAUnit;
}

TEST(OrdinalTest, GendersCasesAndCompounds) {
    using G = SGender;
    using C = SCase;
    const std::tuple<int, G, C, const char*> cases[] = {
        {1, G::Masculine, C::Nominative, "pierwszy"},
        {2, G::Masculine, C::Nominative, "drugi"},
        {2, G::Masculine, C::Genitive, "drugiego"},
        {3, G::Masculine, C::Locative, "trzecim"},
        {3, G::Feminine, C::Nominative, "trzecia"},
        {2, G::Feminine, C::Genitive, "drugiej"},
        {20, G::Masculine, C::Locative, "dwudziestym"},
        {21, G::Masculine, C::Nominative, "dwudziesty pierwszy"},
        {14, G::Masculine, C::Nominative, "czternasty"},
        {16, G::Masculine, C::Nominative, "szesnasty"},
        {99, G::Neuter, C::Nominative, "dziewięćdziesiąte dziewiąte"},
        {102, G::Masculine, C::Genitive, "setnego drugiego"},
        {999, G::Feminine, C::Nominative, "dziewięćsetna dziewięćdziesiąta dziewiąta"},
        {0, G::Masculine, C::Nominative, ""},
        {1000, G::Masculine, C::Nominative, ""},
    };
    for (const auto& [n, gender, grammaticalCase, words] : cases) {
        std::string got = Cp1250ToUtf8(OrdinalWords(n, gender, grammaticalCase));
        if (!got.empty()) got.pop_back();
        EXPECT_EQ(got, words) << n;
    }
}

TEST(RomanNumeralTest, StrictFormOnly) {
    const std::pair<const char*, int> valid[] = {
        {"I", 1},    {"IV", 4},  {"IX", 9},   {"XIV", 14},   {"XIX", 19},       {"XX", 20},
        {"XXI", 21}, {"XL", 40}, {"CD", 400}, {"MIX", 1009}, {"MCMXCIX", 1999}, {"MMMCMXCIX", 3999},
    };
    for (const auto& [word, value] : valid) EXPECT_EQ(ParseRoman(word), value) << word;
    for (const char* word :
         {"", "IIII", "IC", "VX", "IL", "VV", "LIDL", "MMMM", "XM", "ii", "X1", "DD"})
        EXPECT_FALSE(ParseRoman(word)) << word;
}

TEST(RomanNumeralTest, OnlyWhereAContextMakesItANumeral) {
    struct SCase {
        const char* word;
        const char* previous;
        const char* next;
        bool period;
        const char* words;  // "" = not a numeral here
    };
    const SCase cases[] = {
        {"XX", "w", "wieku", false, "dwudziestym"},
        {"XX", "z", "wieku", false, "dwudziestego"},
        {"XIX", "w", "w", true, "dziewiętnastym"},
        {"XIX", "jest", "w", false, ""},  // "w" without its period is the preposition
        {"XXI", "", "wiek", false, "dwudziesty pierwszy"},
        {"II", "paweł", "był", false, "drugi"},
        {"II", "elżbieta", "", false, "druga"},
        {"I", "zygmunt", "stary", false, "pierwszy"},
        {"IV", "rozdziale", "opisano", false, "czwartym"},
        {"I", "część", "", false, "pierwsza"},
        {"II", "", "wojna", false, "druga"},
        {"II", "po", "wojnie", false, "drugiej"},
        {"I", "", "wojna", false, ""},            // a lone I opening a sentence: the conjunction
        {"I", "był", "etap", false, "pierwszy"},  // inside: "first"
        {"I", "zajął", "miejsce", false, "pierwsze"},
        {"II", "w", "turze", false, "drugiej"},
        {"III", "za", "kwartał", false, "trzeci"},
        {"II", "w", "połowie", false, "drugiej"},
        {"VII", "na", "festiwalu", false, "siódmym"},  // "-u" after "na": locative
        {"VII", "do", "festiwalu", false, "siódmego"},
        {"II", "", "konkursu", false, "drugiego"},
        {"I", "", "to", false, ""},
        {"MIX", "radia", "teraz", false, ""},
        {"CD", "płytę", "wczoraj", false, ""},
        {"XL", "rozmiarze", "teraz", false, ""},
        {"MM", "rozdział", "", false, ""},  // 2000 has no ordinal words here
    };
    for (const SCase& c : cases) {
        SRomanContext context{Cp(c.previous), Cp(c.next), c.period};
        auto words = ReadRomanNumeral(c.word, context);
        std::string got = words ? Cp1250ToUtf8(*words) : std::string();
        if (!got.empty()) got.pop_back();
        EXPECT_EQ(got, c.words) << c.previous << " " << c.word << " " << c.next;
    }
}

TEST(ExtendedNumberTest, HyphensBetweenDigitsAreDashes) {
    const SAttribute settings = ExtendedSettings();
    // The driver reads "601" first and then offers the text at each hyphen.
    const std::tuple<const char*, uint32_t, const char*> cases[] = {
        {"601-234", 3, "dwieście trzydzieści cztery"},
        {"00-950", 2, "dziewieńcet pieńdziesiąt"},
        {"2010-2020 r.", 4, "dwa tysiące dwudziestego roku"},
        {"5-6 kg", 1, "sześć kilogramów"},
        {"-12", 0, "minus dwanaście"},
        {"a -3 kg", 2, "minus trzy kilogramy"},
        {"x-5", 1, "minus pięć"},  // a letter before it: still a sign
    };
    for (const auto& [text, start, spoken] : cases)
        EXPECT_EQ(Read(text, settings, start), spoken) << text;
    EXPECT_EQ(Read("-x", settings), "(declined)");
}

TEST(ExtendedNumberTest, UnitsDatesYearsAndTimes) {
    const SAttribute settings = ExtendedSettings();
    const std::pair<const char*, const char*> cases[] = {
        {"3,49 zł", "trzy złote czterdzieści dziewięć groszy"},
        {"0,05 zł", "pięć groszy"},
        {"2,5 kg", "dwa i pół kilograma"},  // a half is "pół"
        {"2,25 kg", "dwa i dwadzieścia pięć setnych kilograma"},
        {"5 tys. zł", "pięć tysięcy złotych"},
        {"22 osoby", "dwadzieścia dwie"},  // the noun is read by the driver
        {"1 stycznia", "pierwszego"},
        {"29 lutego", "dwudziestego dziewiątego"},
        {"31 kwietnia", "trzydzieści jeden"},                            // April has 30 days
        {"1791 r.", "tysiąc siedemset dziewięćdziesiąty pierwszy rok"},  // opens the sentence
        {"1989 roku", "tysiąc dziewieńcet osiemdziesiątego dziewiątego"},
        {"3000 r.", "trzy tysiące"},  // past the years the date words cover
        {"12.05.2002", "dwunastego maja dwa tysiące drugiego roku"},
        {"12.05.2002 r.", "dwunastego maja dwa tysiące drugiego roku"},
        {"007 kg", "zero zero siedem"},  // leading zeros: digit by digit as before
        {"12.30 zł", "dwanaście kropka"},
    };
    for (const auto& [text, spoken] : cases) EXPECT_EQ(Read(text, settings), spoken) << text;
}

TEST(ExtendedNumberTest, WhereTheReadingStops) {
    const SAttribute settings = ExtendedSettings();
    const std::pair<const char*, uint32_t> cases[] = {
        {"12.05.2002.", 10},  // the final period ends the sentence
        {"12.05.2002. Potem", 10},
        {"1410 r. pod", 7},    // "r." inside the sentence takes its period
        {"1410 r. Potem", 6},  // before a capital the period ends the sentence
        {"5 min. Potem", 5},
        {"4 tys. zł brutto", 9},
        {"3 maja", 1},  // the month is read as a word
    };
    for (const auto& [text, end] : cases) {
        uint32_t got = 0;
        Read(text, settings, 0, &got);
        EXPECT_EQ(got, end) << text;
    }
}

TEST(ExtendedNumberTest, TimeAfterTheHourWordOnly) {
    const SAttribute settings = ExtendedSettings();
    EXPECT_EQ(Read("godz. 12.30", settings, 6), "dwunasta trzydzieści");
    EXPECT_EQ(Read("w godzinie 7.05", settings, 11), "siódma zero pięć");
    EXPECT_EQ(Read("o godzinie 7.05", settings, 11), "siódmej zero pięć");
    EXPECT_EQ(Read("godz. 25.30", settings, 6), "dwadzieścia pięć kropka");
    EXPECT_EQ(Read("cena 12.30", settings, 5), "dwanaście kropka");
}

TEST(ExtendedNumberTest, SwitchedOffEverythingIsPlain) {
    SAttribute settings = ExtendedSettings();
    settings.extendedReading = false;
    settings.dateSeparator = '/';
    EXPECT_EQ(Read("2 zł", settings), "dwa");
    EXPECT_EQ(Read("5-6", settings, 1), "minus sześć");
    EXPECT_EQ(Read("1 stycznia", settings), "jeden");
    EXPECT_EQ(Read("12.05.2002.", settings), "dwanaście kropka");
}

TEST(RegionalDefaultsTest, PolishDatesWhereTheSystemStoresNone) {
    SAttribute settings = ExtendedSettings();
    settings.dateSeparator = '/';  // the fixed default of an unset value
    settings.dateSeparatorStored = false;
    EXPECT_TRUE(ScanDate("12.05.2002", 0, settings));
    settings.dateSeparatorStored = true;  // the user's own choice wins
    EXPECT_FALSE(ScanDate("12.05.2002", 0, settings));
    settings.dateBySysFormat = true;
    settings.shortDatePatternStored = false;
    settings.dateSeparatorStored = false;
    auto date = ScanDate("03.04.2021", 0, settings);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->first.day, 3);
    EXPECT_EQ(date->first.month, 4);
}

TEST(DottedAbbreviationTest, ExpansionsAndTheFinalPeriod) {
    const std::tuple<const char*, const char*, uint32_t> cases[] = {
        {"m.in. chleb", "między innymi", 5},
        {"p.n.e.", "przed naszą erą", 5},  // the final period ends the sentence
        {"o.o. płaci", "ograniczoną odpowiedzialnością", 4},
        {"S.A., Kraków", "spółka akcyjna", 4},
        {"n.e. Potem", "naszej ery", 3},
        {"pn.–pt. w godz.", "od poniedziałku do piątku", 7},  // days, not "północ"
        {"pon.-sob. 9-17", "od poniedziałku do soboty", 9},
    };
    for (const auto& [text, spoken, end] : cases) {
        const std::string cp = Cp(text);
        SRecordingSink sink;
        uint32_t position = 0;
        ASSERT_TRUE(ReadDottedAbbreviation(cp.c_str(), position, sink)) << text;
        EXPECT_EQ(sink.Spoken(), spoken) << text;
        EXPECT_EQ(position, end) << text;
    }
    for (const char* text : {"m.inny", "www.pl", "o.", "mm.in.", "pn. od", "pn.-ptak"}) {
        uint32_t position = 0;
        SRecordingSink sink;
        EXPECT_FALSE(ReadDottedAbbreviation(Cp(text).c_str(), position, sink)) << text;
    }
}

}  // namespace
