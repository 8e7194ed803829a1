// Common fractions in the case the sentence gives them, and the verbs that
// give the accusative.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/common_fractions.h"
#include "text/governing_verbs.h"

namespace {

using C = SGrammaticalCase;

// A fraction is a feminine count of feminine ordinals ("część" is
// understood): 1 agrees as an adjective pair, 2-4 take the plural in
// agreement, 5 and more the genitive plural in the nominative and accusative.
TEST(CommonFractionTest, EveryCaseAtTheEdgesOfAgreement) {
    const struct {
        int numerator, denominator;
        C grammaticalCase;
        const char* words;
    } cases[] = {
        {1, 3, C::kNominative, "jedna trzecia"},
        {1, 3, C::kAccusative, "jedną trzecią"},
        {1, 3, C::kGenitive, "jednej trzeciej"},
        {1, 4, C::kDative, "jednej czwartej"},
        {1, 4, C::kInstrumental, "jedną czwartą"},
        {1, 10, C::kLocative, "jednej dziesiątej"},
        {2, 3, C::kNominative, "dwie trzecie"},
        {2, 3, C::kAccusative, "dwie trzecie"},
        {2, 3, C::kGenitive, "dwóch trzecich"},
        {3, 4, C::kInstrumental, "trzema czwartymi"},
        {3, 4, C::kDative, "trzem czwartym"},
        {5, 8, C::kNominative, "pięć ósmych"},
        {5, 8, C::kAccusative, "pięć ósmych"},
        {5, 8, C::kGenitive, "pięciu ósmych"},
        {7, 10, C::kLocative, "siedmiu dziesiątych"},
        {12, 25, C::kNominative, "dwanaście dwudziestych piątych"},
        {22, 25, C::kNominative, "dwadzieścia dwie dwudzieste piąte"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpokenWords(FractionWordsIn(c.numerator, c.denominator, c.grammaticalCase)),
                  c.words)
            << c.numerator << "/" << c.denominator;
    }
}

TEST(CommonFractionTest, VerbsThatTakeTheAccusative) {
    for (const char* verb : {"wypiłem", "zjadł", "zjadła", "dodaj", "wsyp", "kupiliśmy", "stanowi",
                             "zajmuje", "przeznaczono", "wydał", "straciła"})
        EXPECT_TRUE(GovernsAccusative(Cp(verb))) << verb;
    // "być" takes the nominative; nouns and other words are no verbs.
    for (const char* word : {"był", "jest", "to", "kupiec", "zjazd", "stanowisko", "dom", ""})
        EXPECT_FALSE(GovernsAccusative(Cp(word))) << word;
}

std::string Read(const char* utf8, uint32_t start) {
    const std::string text = Cp(utf8);
    uint32_t end = start;
    while (text[end] >= '0' && text[end] <= '9') ++end;
    auto reading = ReadCommonFraction(text.c_str(), start, std::stoll(text.substr(start)), end);
    if (!reading) return "(none)";
    return SpokenWords(reading->words);
}

TEST(CommonFractionTest, TheSentenceGivesTheCase) {
    const struct {
        const char* text;
        uint32_t start;
        const char* words;
    } cases[] = {
        {"zjadł 1/3 pizzy", 6, "jedną trzecią"},
        {"zjadł 3/4 tortu", 6, "trzy czwarte"},
        {"wypiłem 1/2 szklanki", 8, "pół"},
        {"wzrosły o 1/4", 10, "jedną czwartą"},  // by how much
        {"do 1/3 wysokości", 3, "jednej trzeciej"},
        {"około 2/3 mieszkańców", 6, "dwóch trzecich"},
        {"1/3 Polaków", 0, "jedna trzecia"},  // the subject
        {"był 1/5 drogi", 4, "jedna piąta"},  // "być" leaves the nominative
        {"zjadł 1/2/2024", 6, "(none)"},      // a date
        {"zjadł 3/2", 6, "(none)"},           // not below one
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.text, c.start), c.words) << c.text;
}

}  // namespace
