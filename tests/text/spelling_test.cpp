// The spelling table, the abbreviation decision, spelling a word, runs of
// repeated characters and emoticons.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/emoticons.h"
#include "text/repeated.h"
#include "text/spell.h"
#include "text/spelling.h"

namespace {

const SSpell& Spell() {
    static SSpell spell;
    if (spell.GetCount() == 0) spell.Load();
    return spell;
}

std::string NameOf(const char* utf8) {
    const std::string* name = Spell().NameOf(Cp(utf8));
    return name ? Cp1250ToUtf8(*name) : "(none)";
}

TEST(SpellTableTest, Names) {
    const std::pair<const char*, const char*> cases[] = {
        {"a", "a"},         {"B", "be"},         {"v", "fał"},         {"y", "igrek"},
        {"ł", "eł"},        {"Ż", "żet"},        {"ó", "u"},           {"0", "zero"},
        {"9", "dziewięć"},  {" ", "spacja"},     {",", "przecinek"},   {"\\", "bekslesz"},
        {"`", "apostrof"},  {"\t", "tabulacja"}, {"\n", "nowa linia"}, {"*", "gwiastka"},
        {"=", "równa się"}, {"\r", "(none)"},    {"é", "(none)"},
    };
    for (const auto& [character, name] : cases) EXPECT_EQ(NameOf(character), name) << character;
    EXPECT_EQ(Spell().GetCount(), 26 + 9 + 10 + 35);
}

TEST(SpellTableTest, ReloadReplacesNames) {
    SSpell spell;
    spell.Load();
    spell.Set("a", "x");
    spell.Load();
    EXPECT_EQ(*spell.NameOf('a'), "a");
    EXPECT_EQ(spell.GetCount(), 80);
}

struct SAcronymCase {
    const char* word;
    bool shape;
};

TEST(SpellingDecisionTest, AcronymShape) {
    const SAcronymCase cases[] = {
        {"PKP", true},   {"NATO", true}, {"PiS", true},  {"MSWiA", true},   {"SzS", true},
        {"ChZ", true},   {"DźW", true},  {"A", false},   {"Kraków", false}, {"Pi", false},
        {"PiSi", false}, {"PaS", false}, {"iPK", false}, {"P-K", false},    {"KO", true},
    };
    for (const SAcronymCase& c : cases) EXPECT_EQ(HasAcronymShape(Cp(c.word)), c.shape) << c.word;
}

struct SDecisionCase {
    const char* word;
    const char* next;  // the main text after the word
    bool atSentenceStart;
    bool spell;
};

TEST(SpellingDecisionTest, AbbreviationsVersusWords) {
    const SDecisionCase cases[] = {
        {"PKP", " jedzie", false, true},     {"km", " dalej", false, true},
        {"Kraków", " leży", false, false},   {"A", " potem", false, false},  // listed as a word
        {"W", " Warszawie", true, false},  // sentence start: the preposition
        {"W", " domu", false, true},         {"W", " DOMU", false, false},  // a line of capitals
        {"w", " domu", false, false},        {"z", " domu", false, false},
        {"Łódź", "", false, false},          {"ŁKS", " wygrał", false, true},
        {"NATO", " obraduje", false, true},  {"NATO", " OBRADUJE", false, false},
        {"UWAGA", " stopień", false, false},  // five capitals reach the limit
        {"NIE", " wiem", false, false},      {"PiS", " i", false, true},
        {"kot", " śpi", false, false},
    };
    SAttribute switches = TestSettings();
    for (const SDecisionCase& c : cases) {
        std::string next = Cp(c.next);
        SSpellingContext context;
        context.atSentenceStart = c.atSentenceStart;
        context.mainTextRest = next.c_str();
        EXPECT_EQ(ShouldSpell(Cp(c.word), context, switches), c.spell) << c.word << c.next;
    }
}

TEST(SpellingDecisionTest, SwitchesAndContext) {
    SAttribute switches = TestSettings();
    SSpellingContext context;
    context.mainTextRest = " dalej";
    EXPECT_FALSE(ShouldSpell(",", context, switches));
    switches.readInterpunction = true;
    EXPECT_TRUE(ShouldSpell(",", context, switches));
    EXPECT_FALSE(ShouldSpell(" ", context, switches));
    switches.readSeparators = true;
    EXPECT_TRUE(ShouldSpell(" ", context, switches));
    EXPECT_FALSE(ShouldSpell("\t", context, switches));  // control characters never

    context.fromReplacement = true;
    EXPECT_FALSE(ShouldSpell("PKP", context, switches));
    context.fromReplacement = false;
    context.allCapsStart = true;
    EXPECT_TRUE(ShouldSpell("NBP", context, switches));  // no vowel: spelled all the same
    EXPECT_FALSE(ShouldSpell("NATO", context, switches));
    context.allCapsStart = false;
    switches.abbrevLimit = 3;
    EXPECT_FALSE(ShouldSpell("NATO", context, switches));
    switches.convertAbbrev = false;
    EXPECT_FALSE(ShouldSpell("PKP", context, switches));
}

TEST(SpellWordTest, NamesBetweenPauseMarkers) {
    SRecordingSink sink;
    ASSERT_TRUE(SpellWord("PKP", "PKP", Spell(), sink));
    EXPECT_EQ(sink.Spoken(), "<5> pe ka pe <5>");
    EXPECT_EQ(sink.words[1].source, "PKP");

    SRecordingSink nameless;
    EXPECT_FALSE(SpellWord("\x80\x81", "", Spell(), nameless));
    EXPECT_TRUE(nameless.words.empty());

    SRecordingSink spaced;
    ASSERT_TRUE(SpellWord(Cp("=é"), "", Spell(), spaced));
    EXPECT_EQ(spaced.Spoken(), "<5> równa się <5>");
}

struct SRunCase {
    const char* text;
    bool readSeparators;
    const char* spoken;  // null: no run
    int64_t length;
};

TEST(RepeatedRunTest, RunsAndPairs) {
    // " razy " and "sekwencja " are words with their own blanks.
    const SRunCase cases[] = {
        {"!!!!", false, "<5> cztery  razy  wykrzyknik <5>", 4},
        {"aaaa", false, "<5> cztery  razy  a <5>", 4},
        {"AAAAA", false, "<5> pięć  razy  a <5>", 5},
        {"00000000", false, "<5> osiem  razy  zero <5>", 8},
        {"-+-+-+-+", false, "<5> cztery  razy  sekwencja  minus plus <5>", 8},
        {"-+-+-+-+-", false, "<5> cztery  razy  sekwencja  minus plus <5>", 8},
        {"    ", true, "<5> cztery  razy  spacja <5>", 4},
        {"\r\n\r\n\r\n\r\n", true, "<5> cztery  razy  nowa linia <5>", 8},
        {"aaa", false, nullptr, 0},
        {"0000000", false, nullptr, 0},
        {"12121212", false, nullptr, 0},
        {"    ", false, nullptr, 0},
        {"-+-+-+", false, nullptr, 0},
        {"a", false, nullptr, 0},
        {"", false, nullptr, 0},
    };
    for (const SRunCase& c : cases) {
        auto run = FindRepeatedRun(c.text, 0, c.readSeparators);
        if (!c.spoken) {
            EXPECT_FALSE(run.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(run.has_value()) << c.text;
        EXPECT_EQ(run->Length(), c.length) << c.text;
        SRecordingSink sink;
        AppendRepeatedRun(*run, Spell(), sink);
        EXPECT_EQ(sink.Spoken(), c.spoken) << c.text;
    }
}

TEST(RepeatedRunTest, WordsAndFlags) {
    auto run = FindRepeatedRun("-+-+-+-+", 0, false);
    ASSERT_TRUE(run);
    SRecordingSink sink;
    AppendRepeatedRun(*run, Spell(), sink);
    ASSERT_EQ(sink.words.size(), 7u);
    EXPECT_EQ(sink.words[1].text, "cztery");
    EXPECT_EQ(sink.words[2].text, " razy ");
    EXPECT_EQ(sink.words[2].continuation, 1);
    EXPECT_EQ(sink.words[2].closes, 0);
    EXPECT_EQ(sink.words[3].text, "sekwencja ");
    EXPECT_EQ(sink.words[4].text, "minus");
    EXPECT_EQ(sink.words[5].text, "plus");
}

struct SEmoticonCase {
    const char* text;
    const char* spoken;  // null: not an emoticon
};

TEST(EmoticonTest, TableAndBoundaries) {
    const SEmoticonCase cases[] = {
        {":-) dalej", "uśmiechlnik"},
        {":)", "uśmiechlnik"},
        {":-(.", "smutecznik"},
        {";-)\n", "przymróżlnik"},
        {";)!", "przymróżlnik"},
        {"[:|", "pochmurnik"},
        {":-O?", "wykrzyklnik"},
        {":-| ", "powściąglnik"},
        {":-V", "recytalnik"},
        {":-)x", nullptr},
        {":-)", "uśmiechlnik"},
        {":-D", nullptr},
        {":(", nullptr},
    };
    for (const SEmoticonCase& c : cases) {
        SRecordingSink sink;
        uint32_t position = 0;
        bool read = ReadEmoticon(c.text, position, sink);
        if (!c.spoken) {
            EXPECT_FALSE(read) << c.text;
            EXPECT_EQ(position, 0u);
            continue;
        }
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(sink.Spoken(), c.spoken) << c.text;
        EXPECT_EQ(sink.words[0].source, std::string(c.text, position));
    }
}

}  // namespace
