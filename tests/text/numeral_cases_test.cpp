// Numbers after a governing preposition: every case of the declined
// cardinals at the declension edges, the preposition table, the clock hour
// in a case, and the extended reader choosing (or refusing) a case.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/governed_hour_noun.h"
#include "text/governing_prepositions.h"
#include "text/numbers.h"
#include "text/numeral_cases.h"
#include "text/times.h"

namespace {

using C = SGrammaticalCase;
using G = SGender;

std::string Declined(int64_t n, C grammaticalCase, G gender = G::Masculine) {
    auto words = DeclinedCardinalWords(n, grammaticalCase, gender);
    return words ? Cp1250ToUtf8(*words) : "(none)";
}

std::string Read(const char* utf8, const SAttribute& settings, uint32_t start) {
    const std::string text = Cp(utf8);
    SRecordingSink sink;
    uint32_t position = start;
    if (!ReadNumber(text.c_str(), position, settings, sink)) return "(declined)";
    return sink.Spoken();
}

SAttribute ExtendedSettings() {
    SAttribute settings = TestSettings();
    settings.extendedReading = true;
    settings.colloquialTime = false;
    return settings;
}

TEST(NumeralCasesTest, EveryCaseAtTheDeclensionEdges) {
    struct SRow {
        int64_t n;
        const char* genitive;
        const char* dative;
        const char* instrumental;
        const char* locative;
    };
    const SRow rows[] = {
        {1, "jednego ", "jednemu ", "jednym ", "jednym "},
        {2, "dwóch ", "dwóm ", "dwoma ", "dwóch "},
        {3, "trzech ", "trzem ", "trzema ", "trzech "},
        {4, "czterech ", "czterem ", "czterema ", "czterech "},
        {5, "pięciu ", "pięciu ", "pięcioma ", "pięciu "},
        {10, "dziesięciu ", "dziesięciu ", "dziesięcioma ", "dziesięciu "},
        {11, "jedenastu ", "jedenastu ", "jedenastoma ", "jedenastu "},
        {12, "dwunastu ", "dwunastu ", "dwunastoma ", "dwunastu "},
        {14, "czternastu ", "czternastu ", "czternastoma ", "czternastu "},
        {19, "dziewiętnastu ", "dziewiętnastu ", "dziewiętnastoma ", "dziewiętnastu "},
        {20, "dwudziestu ", "dwudziestu ", "dwudziestoma ", "dwudziestu "},
        {21, "dwudziestu jeden ", "dwudziestu jeden ", "dwudziestoma jeden ", "dwudziestu jeden "},
        {22, "dwudziestu dwóch ", "dwudziestu dwóm ", "dwudziestoma dwoma ", "dwudziestu dwóch "},
        {25, "dwudziestu pięciu ", "dwudziestu pięciu ", "dwudziestoma pięcioma ",
         "dwudziestu pięciu "},
        {100, "stu ", "stu ", "stu ", "stu "},
        {101, "stu jeden ", "stu jeden ", "stu jeden ", "stu jeden "},
        {112, "stu dwunastu ", "stu dwunastu ", "stu dwunastoma ", "stu dwunastu "},
        {123, "stu dwudziestu trzech ", "stu dwudziestu trzem ", "stu dwudziestoma trzema ",
         "stu dwudziestu trzech "},
        {500, "pięciuset ", "pięciuset ", "pięciuset ", "pięciuset "},
        {1000, "tysiąca ", "tysiącowi ", "tysiącem ", "tysiącu "},
        {1001, "tysiąca jeden ", "tysiącowi jeden ", "tysiącem jeden ", "tysiącu jeden "},
        {2000, "dwóch tysięcy ", "dwóm tysiącom ", "dwoma tysiącami ", "dwóch tysiącach "},
        {5000, "pięciu tysięcy ", "pięciu tysiącom ", "pięcioma tysiącami ", "pięciu tysiącach "},
        {21000, "dwudziestu jeden tysięcy ", "dwudziestu jeden tysiącom ",
         "dwudziestoma jeden tysiącami ", "dwudziestu jeden tysiącach "},
        {999999,
         "dziewięciuset dziewięćdziesięciu dziewięciu tysięcy dziewięciuset "
         "dziewięćdziesięciu dziewięciu ",
         "dziewięciuset dziewięćdziesięciu dziewięciu tysiącom dziewięciuset "
         "dziewięćdziesięciu dziewięciu ",
         "dziewięciuset dziewięćdziesięcioma dziewięcioma tysiącami dziewięciuset "
         "dziewięćdziesięcioma dziewięcioma ",
         "dziewięciuset dziewięćdziesięciu dziewięciu tysiącach dziewięciuset "
         "dziewięćdziesięciu dziewięciu "},
    };
    for (const SRow& row : rows) {
        EXPECT_EQ(Declined(row.n, C::kGenitive), row.genitive) << row.n;
        EXPECT_EQ(Declined(row.n, C::kDative), row.dative) << row.n;
        EXPECT_EQ(Declined(row.n, C::kInstrumental), row.instrumental) << row.n;
        EXPECT_EQ(Declined(row.n, C::kLocative), row.locative) << row.n;
    }
}

TEST(NumeralCasesTest, GenderAndTheCasesLeftToThePlainReading) {
    // Only a lone "jeden" and the instrumental "dwa" follow the noun's gender.
    EXPECT_EQ(Declined(1, C::kGenitive, G::Feminine), "jednej ");
    EXPECT_EQ(Declined(1, C::kInstrumental, G::Feminine), "jedną ");
    EXPECT_EQ(Declined(1, C::kGenitive, G::Neuter), "jednego ");
    EXPECT_EQ(Declined(2, C::kInstrumental, G::Feminine), "dwiema ");
    EXPECT_EQ(Declined(22, C::kInstrumental, G::Feminine), "dwudziestoma dwiema ");
    EXPECT_EQ(Declined(21, C::kGenitive, G::Feminine), "dwudziestu jeden ");
    EXPECT_EQ(Declined(2000, C::kInstrumental, G::Feminine), "dwoma tysiącami ");
    for (int64_t n : {int64_t{0}, int64_t{-5}, kMaxDeclinedCount + 1})
        EXPECT_EQ(Declined(n, C::kGenitive), "(none)") << n;
    EXPECT_EQ(Declined(5, C::kNominative), "(none)");
    EXPECT_EQ(Declined(5, C::kAccusative), "(none)");
}

TEST(NumeralCasesTest, PrepositionsByWhatTheyGovern) {
    struct SRow {
        const char* word;
        C count;
        C clockHour;
    };
    const SRow rows[] = {
        {"około", C::kGenitive, C::kGenitive},
        {"ok.", C::kGenitive, C::kGenitive},
        {"do", C::kGenitive, C::kGenitive},
        {"wśród", C::kGenitive, C::kNominative},
        {"poniżej", C::kGenitive, C::kGenitive},
        {"dzięki", C::kDative, C::kNominative},
        {"przed", C::kInstrumental, C::kInstrumental},
        {"o", C::kNominative, C::kLocative},
        {"po", C::kNominative, C::kLocative},
        {"na", C::kNominative, C::kAccusative},
        {"z", C::kNominative, C::kNominative},
        {"kot", C::kNominative, C::kNominative},
        {"", C::kNominative, C::kNominative},
    };
    for (const SRow& row : rows) {
        EXPECT_EQ(CaseAfterPreposition(Cp(row.word), SGovernedNumber::kCount), row.count)
            << row.word;
        EXPECT_EQ(CaseAfterPreposition(Cp(row.word), SGovernedNumber::kClockHour), row.clockHour)
            << row.word;
    }
}

TEST(NumeralCasesTest, ClockHourAndItsNounInACase) {
    struct SRow {
        int hour;
        C grammaticalCase;
        const char* hourWords;
        const char* noun;
    };
    const SRow rows[] = {
        {8, C::kGenitive, "ósmej ", "godziny"},
        {8, C::kInstrumental, "ósmą ", "godziną"},
        {8, C::kAccusative, "ósmą ", "godzinę"},
        {8, C::kLocative, "ósmej ", "godzinie"},
        {2, C::kGenitive, "drugiej ", "godziny"},
        {2, C::kInstrumental, "drugą ", "godziną"},
        {21, C::kLocative, "dwudziestej pierwszej ", "godzinie"},
        {20, C::kInstrumental, "dwudziestą ", "godziną"},
        {0, C::kLocative, "dwudziestej czwartej ", "godzinie"},
        {8, C::kNominative, "ósma ", "godzina"},
    };
    for (const SRow& row : rows) {
        EXPECT_EQ(Cp1250ToUtf8(HourWordsIn(row.hour, row.grammaticalCase, true)), row.hourWords)
            << row.hour;
        EXPECT_EQ(Cp1250ToUtf8(HourNounIn(row.grammaticalCase)), row.noun);
    }
    // "godz." takes the case only after a governing word and before a number.
    EXPECT_EQ(GovernedHourNoun("godz.", "o", " 8"), "godzinie");
    EXPECT_EQ(GovernedHourNoun("godz", Cp("około"), "15:30"), "godziny");
    EXPECT_FALSE(GovernedHourNoun("godz.", "kot", " 8"));
    EXPECT_FALSE(GovernedHourNoun("godz.", "o", " rano"));
    EXPECT_FALSE(GovernedHourNoun("str.", "o", " 8"));
}

TEST(NumeralCasesTest, ExtendedReaderUsesTheGovernedCase) {
    const SAttribute settings = ExtendedSettings();
    struct SRow {
        const char* text;
        uint32_t start;
        const char* spoken;
    };
    const SRow rows[] = {
        {"ok. 50% ludzi", 4, "pięćdziesięciu procent"},
        {"około 5 zł", 6, "pięciu złotych"},
        {"do 1 zł", 3, "jednego złotego"},
        {"do 3 tys. zł", 3, "trzech tysięcy złotych"},
        {"od 1 mln", 3, "jednego miliona"},
        {"przy 100 km/h", 5, "sto kilometrów na godzinę"},  // no locative units: as before
        {"od 1 do 10 stron", 3, "jednej"},
        {"od 1 do 10 km", 3, "jednego"},
        {"do 10 stron", 3, "dziesięciu"},
        {"z 3 osobami", 2, "trzema"},
        {"z 2 kobietami", 2, "dwiema"},  // the gender from the noun's stem
        {"z 2 kotami", 2, "dwoma"},
        {"z 2 nowymi", 2, "dwoma"},
        {"z 10 stron", 2, "dziesięciu"},
        {"dla 2000 osób", 4, "dwóch tysięcy"},
        {"przed 5 laty", 6, "pięcioma"},
        {"o godz. 15:30", 8, "pietnastej trzydzieści"},  // the hour table spells it so
        {"ok. godz. 8.", 10, "ósmej"},
        {"przed godz. 8 rano", 12, "ósmą"},
        {"po godzinie 8", 12, "ósmej"},
        {"na godz. 8", 9, "ósmą"},
        {"o godzinie 7.05", 11, "siódmej zero pięć"},
    };
    for (const SRow& row : rows)
        EXPECT_EQ(Read(row.text, settings, row.start), row.spoken) << row.text;
}

TEST(NumeralCasesTest, UngovernedOrUnclearNumbersStayAsToday) {
    const SAttribute extended = ExtendedSettings();
    SAttribute plain = extended;
    plain.extendedReading = false;
    struct SRow {
        const char* text;
        uint32_t start;
    };
    // The accusative "o", an ambiguous "z", no preposition, a time or range
    // after "od", counts beyond the tables, an hour that is none: read as
    // with the extended reading off.
    const SRow rows[] = {
        {"o 50 osób", 2}, {"z 3 koszy", 2},  {"mam 7 kotów", 4}, {"od 1-10", 3},
        {"do 1000000", 3}, {"godz. 8", 6},     {"o godz. 25", 8},
    };
    for (const SRow& row : rows)
        EXPECT_EQ(Read(row.text, extended, row.start), Read(row.text, plain, row.start))
            << row.text;
    // A fraction is not declined.
    EXPECT_EQ(Read("do 2,5 kg", extended, 3).rfind("dwa ", 0), 0u);
    EXPECT_EQ(Read("o 50%", extended, 2), "pieńdziesiąt procent");
    EXPECT_EQ(Read("o 50 osób", extended, 2), "pieńdziesiąt");
    EXPECT_EQ(Read("mam 7 kotów", extended, 4), "siedem");
    // With the extended reading off a governed number is read as plainly as ever.
    EXPECT_EQ(Read("ok. 50", plain, 4), "pieńdziesiąt");
    EXPECT_EQ(Read("z 3 osobami", plain, 2), "trzy");
}

}  // namespace
