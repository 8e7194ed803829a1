#include "phonetics/transcribe.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/word.h"
#include "phonetics/allophone_names.h"

namespace {

struct LetterCase {
    const char* text;  // Windows-1250
    const char* allophones;
};

std::unique_ptr<SWord> TranscribeText(const std::string& text) {
    auto word = std::make_unique<SWord>(nullptr, text, "", 0);
    Transcribe(*word);
    return word;
}

class LetterTable : public testing::TestWithParam<LetterCase> {};

TEST_P(LetterTable, GivesAllophones) {
    EXPECT_EQ(AllophoneNames(*TranscribeText(GetParam().text)), GetParam().allophones)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Words, LetterTable,
    testing::Values(LetterCase{"szcz\xEA\x9C"
                               "cie",
                               "sz cz en si ci ie"},          // szczęście
                    LetterCase{"dzie\xF1", "dzi ie ni"},      // dzień
                    LetterCase{"bia\xB3y", "bi j ia lll y"},  // biały
                    LetterCase{"nie", "ni ie"}, LetterCase{"rzeka", "rz e k a"},
                    LetterCase{"marzec", "m a rz e c"}, LetterCase{"bank", "b a ng k"},
                    LetterCase{"panna", "p a nn n a"}, LetterCase{"auto", "a ll u t o"},
                    LetterCase{"kraj", "k r a jj"}, LetterCase{"xi", "k s i"},
                    LetterCase{"q", "k u"}, LetterCase{"\xD3semka", "u s e m k a"},  // Ósemka
                    LetterCase{"iy", "err"}, LetterCase{"jy", "err"},
                    LetterCase{"chleb", "ch l e b"}, LetterCase{"chi", "chi i"},
                    LetterCase{"dziadek", "dzi ia d e k"},
                    LetterCase{"d\xBF"
                               "em",
                               "drz e m"},  // dżem
                    LetterCase{"d\x9F"
                               "wig",
                               "dzi wi i g"},               // dźwig
                    LetterCase{"cia\xB3o", "ci ia lll o"},  // ciało
                    LetterCase{"\xB3uk", "ll u k"},         // łuk
                    LetterCase{"muzeum", "m u z e ll u m"}, LetterCase{"kui", "k u j i"},
                    LetterCase{"maj", "m a jj"}, LetterCase{"jajo", "jj ia jj io"},
                    LetterCase{"pi\xF3ro", "pi j iu r o"},  // pióro
                    LetterCase{"ziarno", "zi ia r n o"}, LetterCase{"biy", "err j"},
                    LetterCase{"KOT", "k o t"}, LetterCase{"vat", "w a t"}));

INSTANTIATE_TEST_SUITE_P(Punctuation, LetterTable,
                         testing::Values(LetterCase{".", "p100"}, LetterCase{"!", "p100"},
                                         LetterCase{"?", "p100"}, LetterCase{",", "p050"},
                                         LetterCase{";", "p050"}, LetterCase{"\t", "p050"},
                                         LetterCase{"\n", "p050"}, LetterCase{"(", "p010"},
                                         LetterCase{"}", "p010"}, LetterCase{"\x04", "p100"},
                                         LetterCase{"\x05", "p050"}, LetterCase{"\x06", "p010"},
                                         LetterCase{"\x07", "p003"}, LetterCase{"\x08", "PauTag"}));

TEST(Transcribe, WordWithoutAllophonesIsHidden) {
    for (const char* text : {"1999", " ", "-", "\xE9"}) {
        auto word = TranscribeText(text);
        EXPECT_EQ(word->GetSize(), 0) << text;
        EXPECT_TRUE(word->hidden) << text;
    }
    EXPECT_FALSE(TranscribeText("kot")->hidden);
}

TEST(Transcribe, LowerCasesTextButNotTagBytes) {
    EXPECT_EQ(TranscribeText("\xA3\xD3"
                             "DZ")
                  ->text,
              "\xB3\xF3"
              "dz");  // ŁÓDZ
    std::string tagged =
        "\x03\x14\x02"
        "AB";  // explicit allophones 65, 66 stay
    EXPECT_EQ(TranscribeText(tagged)->text, tagged);
}

struct TagCase {
    std::string text;
    int id;
};

TEST(Transcribe, ControlTagsBecomeHiddenCarriers) {
    const TagCase cases[] = {
        {std::string("\x03\x0A") + "120", 124},   // speed
        {std::string("\x03\x04") + "200", 118},   // pitch
        {std::string("\x03\x0B") + "9000", 125},  // volume
        {std::string("\x03\x0C") + "7", 126},     // bookmark
        {std::string("\x03\x09\x01"), 123},       // reset
        {std::string("\x03\x17\x01"), 137},       // wave
        {std::string("\x03\x18\x01"), 138},       // dialog
        {std::string("\x03\x03") + "x", 117},
    };
    for (const TagCase& tag : cases) {
        auto word = TranscribeText(tag.text);
        ASSERT_EQ(word->GetSize(), 1) << tag.id;
        EXPECT_EQ(word->IdAt(0), tag.id);
        EXPECT_TRUE(word->control);
        EXPECT_TRUE(word->hidden);
    }
}

TEST(Transcribe, PauseTagCarriesMillisecondsCapped) {
    const std::pair<const char*, int> cases[] = {
        {"250", -250}, {"90000", -60000}, {"60000", -60000}, {"0", 0}, {"-40", 0}, {"x", 0}};
    for (auto [argument, length] : cases) {
        auto word = TranscribeText(std::string("\x03\x0D") + argument);
        ASSERT_EQ(word->GetSize(), 1) << argument;
        EXPECT_EQ(word->IdAt(0), 110);
        EXPECT_EQ(word->RecordAt(0)->length, length) << argument;
        EXPECT_FALSE(word->control);
        EXPECT_FALSE(word->hidden);
    }
}

TEST(Transcribe, ExplicitAllophonesAreLockedAndPhonetic) {
    auto word = TranscribeText(std::string("\x03\x14\x03") + "\x01\x31\x6F");
    EXPECT_EQ(AllophoneNames(*word), "a b err");
    for (int i = 0; i < word->GetSize(); ++i) EXPECT_TRUE(word->RecordAt(i)->locked);
    EXPECT_TRUE(word->phonetic);
    EXPECT_FALSE(word->control);
}

TEST(Transcribe, TruncatedExplicitListStopsAtTheEnd) {
    EXPECT_EQ(AllophoneNames(*TranscribeText(std::string("\x03\x14\x09") + "\x01")), "a");
    EXPECT_EQ(TranscribeText(std::string("\x03\x14"))->GetSize(), 0);
}

TEST(Transcribe, UnknownTagCodeReadsOnAsBytes) {
    // Code 5 is not a carrier: only the 3 is consumed and 5 is a pause marker.
    auto word = TranscribeText(std::string("\x03\x05") + "12");
    EXPECT_EQ(AllophoneNames(*word), "p050");
    EXPECT_FALSE(word->control);
}

TEST(ReadDecimal, ReadsLikeTheCLibrary) {
    EXPECT_EQ(ReadDecimal("  42abc"), 42);
    EXPECT_EQ(ReadDecimal("-7"), -7);
    EXPECT_EQ(ReadDecimal("+8"), 8);
    EXPECT_EQ(ReadDecimal("abc"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_GT(ReadDecimal("99999999999999999999999"), 0);  // saturates, never wraps
}

}  // namespace
