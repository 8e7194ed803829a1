// The gender of a locative in "-e"/"-ie", which all three genders share:
// the nominative rebuilt and looked up, or "-ce"/"-dze", which only a
// feminine locative has.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/locative_nouns.h"
#include "text/noun_forms.h"

namespace {

using G = SGender;

TEST(LocativeNounTest, TheNominativeIsRebuiltThroughItsAlternations) {
    const struct {
        const char* locative;
        G gender;
        const char* why;
    } cases[] = {
        {"kryzysie", G::Masculine, "kryzys: -ie after the stem"},
        {"systemie", G::Masculine, "system"},
        {"strefie", G::Feminine, "strefa"},
        {"reformie", G::Feminine, "reforma"},
        {"państwie", G::Neuter, "państwo"},
        {"gazecie", G::Feminine, "gazeta: t -> c"},
        {"efekcie", G::Masculine, "efekt: t -> c"},
        {"urzędzie", G::Masculine, "urząd: d -> dz, ą -> ę"},
        {"mieście", G::Neuter, "miasto: st -> ść, a -> e"},
        {"lesie", G::Masculine, "las: a -> e"},
        {"stole", G::Masculine, "stół: ł -> l, ó -> o"},
        {"obozie", G::Masculine, "obóz: ó -> o"},
        {"sporze", G::Masculine, "spór: r -> rz"},
        {"kulturze", G::Feminine, "kultura: r -> rz"},
        {"wiośnie", G::Feminine, "wiosna: sn -> śn"},
        {"drodze", G::Feminine, "droga: g -> dz"},
        {"rzece", G::Feminine, "rzeka: k -> c"},
        {"siostrze", G::Feminine, "siostra, from the counted nouns"},
    };
    for (const auto& c : cases) {
        auto found = GenderOfLocative(Cp(c.locative));
        ASSERT_TRUE(found) << c.locative;
        EXPECT_EQ(found->gender, c.gender) << c.why;
        EXPECT_TRUE(found->inTables) << c.why;
    }
}

TEST(LocativeNounTest, OnlyCeAndDzeTellTheGenderWithoutTheTables) {
    // Masculine and neuter nouns in -k/-g take "-u" in the locative.
    for (const char* word : {"polsce", "kurtce", "łódce", "nodze"}) {
        auto found = GenderOfLocative(Cp(word));
        ASSERT_TRUE(found) << word;
        EXPECT_EQ(found->gender, G::Feminine) << word;
        EXPECT_FALSE(found->inTables) << word;
    }
    // Unknown nouns in -ie, and what is no locative in -e at all.
    for (const char* word : {"parasolie", "balkonie", "zdanie", "kopalni", "domu", "ce", "ie"})
        EXPECT_FALSE(GenderOfLocative(Cp(word))) << word;
}

TEST(LocativeNounTest, TheLocativeGuessComesFirstOnlyWhenTheTablesKnowIt) {
    // "o tzw. kryzysie": the preposition's locative finds the guess.
    auto kryzys = ChooseGuess(GuessCommonNoun(Cp("kryzysie")), "o");
    ASSERT_TRUE(kryzys);
    EXPECT_EQ(kryzys->gender, G::Masculine);
    EXPECT_EQ(kryzys->grammaticalCase, SGrammaticalCase::kLocative);
    auto polska = ChooseGuess(GuessCommonNoun(Cp("polsce")), "w");
    ASSERT_TRUE(polska);
    EXPECT_EQ(polska->gender, G::Feminine);
    // Without a preposition "-ce" stays a neuter nominative ("tzw. słońce").
    auto sun = ChooseGuess(GuessCommonNoun(Cp("słońce")), "");
    ASSERT_TRUE(sun);
    EXPECT_EQ(sun->gender, G::Neuter);
    EXPECT_EQ(sun->grammaticalCase, SGrammaticalCase::kNominative);
}

}  // namespace
