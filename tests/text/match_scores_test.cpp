// Scores and ratios with a colon: the first number as it is, "do", the
// second in the genitive ("dwa do jednego", "trzy do zera").
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/match_scores.h"

namespace {

std::string Read(const char* utf8, uint32_t start, uint32_t* end = nullptr) {
    const std::string text = Cp(utf8);
    auto reading = ReadMatchScore(text.c_str(), start);
    if (!reading) return "(none)";
    if (end) *end = reading->end;
    return SpokenWords(reading->words);
}

TEST(MatchScoreTest, TheSecondNumberIsGenitive) {
    const struct {
        const char* text;
        uint32_t start;
        const char* words;
    } cases[] = {
        {"2:1", 0, "dwa do jednego"},
        {"3:0", 0, "trzy do zera"},
        {"0:0", 0, "zero do zera"},
        {"1:1", 0, "jeden do jednego"},
        {"4:2", 0, "cztery do dwóch"},
        {"wygrali 11:10", 8, "jedenaście do dziesięciu"},  // two digits: the verb tells
        {"wynikiem 25:22", 9, "dwadzieścia pięć do dwudziestu dwóch"},
        {"w skali 1:50", 8, "jeden do pięćdziesięciu"},  // a ratio reads the same
        {"w skali 1:25 000", 8, "jeden do dwudziestu pięciu tysięcy"},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.text, c.start), c.words) << c.text;
}

TEST(MatchScoreTest, ClockTimesAndLongerNumbersAreNoScores) {
    const struct {
        const char* text;
        uint32_t start;
    } cases[] = {
        {"10:15", 0},         // two digits after the colon and no match in sight
        {"mecz o 20:45", 7},  // after a preposition: a time
        {"wynik o 2:1", 9},  {"wynik 1:2:3", 6},  // a third number
        {"wynik 2:100", 6},                       // three digits
        {"wynik 2:1,5", 6},                       // a decimal
        {"wynik 12:3", 1},                        // inside a number
        {"wynik 123:1", 6},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.text, c.start), "(none)") << c.text;
}

TEST(MatchScoreTest, ReadsUpToTheSecondNumber) {
    uint32_t end = 0;
    Read("3:0 dla gości", 0, &end);
    EXPECT_EQ(end, 3u);
}

}  // namespace
