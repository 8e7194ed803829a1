// Acronyms joined by a hyphen to their case ending: the ending is heard
// after the last letter's name, as Polish spelling writes it.
#include <gtest/gtest.h>

#include "core/attribute.h"
#include "recording_sink.h"
#include "text/inflected_acronyms.h"
#include "text/spell.h"

namespace {

const SSpell& Spell() {
    static SSpell spell;
    if (spell.GetCount() == 0) spell.Load();
    return spell;
}

TEST(InflectedAcronymTest, EndingJoinsTheLastLettersName) {
    // The written ending leaves out what the letter already spells: "zet"
    // is written "Z", so its genitive "zetu" is "Z-etu" (or "Z-u").
    const struct {
        const char* name;
        const char* ending;
        const char* heard;
    } cases[] = {
        {"zet", "etu", "zetu"},   {"zet", "u", "zetu"}, {"zet", "ecie", "zecie"},
        {"zet", "etem", "zetem"}, {"es", "em", "esem"}, {"es", "u", "esu"},
        {"es", "y", "esy"},       {"el", "u", "elu"},   {"en", "u", "enu"},
        {"ef", "ie", "efie"},     {"er", "ze", "erze"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinLetterNameAndEnding(c.name, c.ending), c.heard) << c.name << "-" << c.ending;
}

std::string Read(const char* utf8, uint32_t* endOut = nullptr) {
    const std::string text = Cp(utf8);
    const size_t hyphen = text.find('-');
    SRecordingSink sink;
    auto end =
        ReadInflectedAcronym(text.substr(0, hyphen), text.c_str(), static_cast<uint32_t>(hyphen),
                             DefaultAttribute(), Spell(), sink);
    if (!end) return "(declined)";
    if (endOut) *endOut = *end;
    return sink.Spoken();
}

TEST(InflectedAcronymTest, SpelledOrSaidAsAWord) {
    const std::pair<const char*, const char*> cases[] = {
        {"NFZ-etu.", "<5> en ef zetu <5>"},
        {"PKS-em ", "<5> pe ka esem <5>"},
        {"SMS-y,", "<5> es em esy <5>"},
        {"PRL-u", "<5> pe er elu <5>"},
        // Acronyms Poles say as words take the ending as one word.
        {"ZUS-ie", "zusie"},
        {"PESEL-u ", "peselu"},
        // Five capitals are a word under the length limit too.
        {"UNICEF-u", "unicefu"},
    };
    for (const auto& [text, heard] : cases) EXPECT_EQ(Read(text), heard) << text;
}

TEST(InflectedAcronymTest, ConsumesExactlyTheEnding) {
    uint32_t end = 0;
    Read("NFZ-etu jest", &end);
    EXPECT_EQ(end, 7u);
    Read("GUS-u.", &end);
    EXPECT_EQ(end, 5u);
}

TEST(InflectedAcronymTest, DeclinesWhatIsNoEnding) {
    const char* const cases[] = {
        "PKS-2",            // a number after the hyphen
        "PKS-Warszawa",     // a capitalised word: a compound name
        "PKS-em-x",         // a second hyphen
        "PKS-",             // nothing after the hyphen
        "PKS-owskiegoooo",  // longer than any case ending
        "dom-u",            // not an acronym
        "NFZ-etu2",         // digits glued to the ending
    };
    for (const char* text : cases) EXPECT_EQ(Read(text), "(declined)") << text;
}

}  // namespace
