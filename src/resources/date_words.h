// Ids of the date and time word resources, and the fixed strings and
// calendar facts the date and time readers use.
#pragma once

#include <string>

namespace date_ids {
constexpr int kMonthsFirst = 4400;                // genitive month names, January first
constexpr int kDayOrdinalsFirst = 4301;           // "pierwszy" .. "dziewietnasty" (1..19)
constexpr int kDayOrdinalTensFirst = 4320;        // "dwudziesty", "trzydziesty"
constexpr int kYearOrdinalsFirst = 4331;          // genitive ordinals 1..19
constexpr int kYearOrdinalTensFirst = 4350;       // genitive ordinals 20, 30 .. 90
constexpr int kYearOrdinalHundredsFirst = 4358;   // genitive ordinals 100 .. 900
constexpr int kYearOrdinalThousandsFirst = 4367;  // "tysięcznego", "dwutysięcznego"
constexpr int kYearWord = 4543;                   // "roku"
constexpr int kHourStemsFirst = 4430;             // "pierwsz" .. "dwudziest" (1..20)
constexpr int kTimeUnitsFirst = 4230;             // "zero" .. "dziewięć", then "dziesięć"
constexpr int kTimeTeensFirst = 4241;             // "jedenaście" .. "dziewietnaście"
constexpr int kTimeTensFirst = 4251;              // "dwadzieścia" .. "pieńdziesiąt"
constexpr int kMorning = 4550;                    // "przed południem"
constexpr int kAfternoon = 4551;                  // "po południu"
}  // namespace date_ids

// Days of month 1..12; February always allows 29 (no leap-year rule).
int DaysInMonth(int month);

// The English month abbreviation of month 1..12 ("Jan" .. "Dec").
const char* EnglishMonthAbbreviation(int month);

// Fixed words of the time reader, Windows-1250.
struct STimeWords {
    std::string hourNominative;         // "a"
    std::string hourGenitive;           // "ej"
    std::string hourGenitiveAfterDrug;  // "iej"
    std::string minuteNominative;       // "minuta"
    std::string minuteAccusative;       // "minutę"
    std::string minutesFew;             // "minuty"
    std::string minutesMany;            // "minut"
    std::string secondNominative;       // "sekunda"
    std::string secondAccusative;       // "sekundę"
    std::string secondsFew;             // "sekundy"
    std::string secondsMany;            // "sekund"
    std::string oneNominative;          // "jedna"
    std::string oneAccusative;          // "jedną"
    std::string twoFeminine;            // "dwie"
    std::string twoMasculine;           // "dwa"
    std::string zero;                   // "zero"
    std::string andWord;                // "i"
    std::string past;                   // "po "
    std::string halfTo;                 // "wpół do "
    std::string to;                     // "za "
};

const STimeWords& TimeWords();
