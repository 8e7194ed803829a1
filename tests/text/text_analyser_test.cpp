#include "text/text_analyser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/attribute.h"
#include "model/chars.h"
#include "text/dictionary.h"
#include "text/spell.h"

namespace {

struct SeenWord {
    std::string text;
    bool hidden;
    int closes;
    int position;
    std::string source;
    int continuation;
};

struct SeenSentence {
    std::vector<SeenWord> words;
    int start;
    int length;
    char endMark;
};

// Segments a whole text with the given settings.
std::vector<SeenSentence> Segment(const std::string& text, SAttribute& settings,
                                  const SSpell* spell = nullptr,
                                  const SDictionary* dictionary = nullptr) {
    STextAnalyser analyser;
    analyser.Attach(&settings, spell, dictionary);
    analyser.BeginText(text.c_str());
    std::vector<SeenSentence> sentences;
    while (SSentence* sentence = analyser.NextSentence()) {
        SeenSentence seen{{}, sentence->start, sentence->length, sentence->endMark};
        for (const SWord* word : sentence->words)
            seen.words.push_back({word->text, word->hidden != 0, word->closesPhrase,
                                  word->sourcePosition, word->sourceText, word->continuation});
        sentences.push_back(seen);
        if (sentences.size() > 10000) break;  // a hang shows as a failure, not a stall
    }
    return sentences;
}

std::vector<SeenSentence> Segment(const std::string& text) {
    SAttribute settings;
    return Segment(text, settings);
}

// Word texts of each sentence, words joined by '/', sentences by " # ".
std::string Texts(const std::vector<SeenSentence>& sentences) {
    std::string result;
    for (size_t s = 0; s < sentences.size(); ++s) {
        if (s) result += " # ";
        for (size_t w = 0; w < sentences[s].words.size(); ++w) {
            if (w) result += '/';
            result += sentences[s].words[w].text;
        }
    }
    return result;
}

struct SegmentCase {
    const char* text;
    const char* words;
};

class Segmentation : public testing::TestWithParam<SegmentCase> {};

TEST_P(Segmentation, CutsSentencesAndWords) {
    EXPECT_EQ(Texts(Segment(GetParam().text)), GetParam().words) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Segmentation,
    testing::Values(
        SegmentCase{"Ala ma kota.", "ala/ /ma/ /kota"},  // final period: no word
        SegmentCase{"Ala ma kota. Ola", "ala/ /ma/ /kota/. # ola"}, SegmentCase{"Tak?!", "tak/?"},
        SegmentCase{"Tak?! Nie.", "tak/? # nie"}, SegmentCase{"\n\n\n", ""},  // one empty sentence
        SegmentCase{"kot\npies", "kot/\n # pies"}, SegmentCase{"kot, pies", "kot/,/ /pies"},
        SegmentCase{"a\\b", "a/\\/b"},                               // not a tag: a word
        SegmentCase{"kot\r\n", "kot"}, SegmentCase{"ko\rt", "kot"},  // CR is ignored
        SegmentCase{"a\x01\x02 b", "a/ /b"},                         // other controls skipped
        SegmentCase{"a\tb", "a/\t/b"}, SegmentCase{"k\xF3\xB3ko", "k\xF3\xB3ko"},  // kółko
        SegmentCase{"caf\xE9 ok", "caf/\xE9/ /ok"},  // é is not a letter
        SegmentCase{"  kot", " / /kot"}));

// The mark that closed each sentence, also where it made no word of its own
// (the text's last character); '-' for none.
TEST(Segmentation, EachSentenceKeepsTheMarkThatClosedIt) {
    const struct {
        const char* text;
        const char* marks;  // one per sentence
    } cases[] = {
        {"Czy Ala ma kota?", "?"},
        {"Czy Ala ma kota.", "."},
        {"Ala ma kota", "-"},
        {"Czy Ala ma kota? Tak.", "?."},
        {"Tak?!", "?"},
        {"Tak!?", "!"},
        {"Tak ?", "?"},
        {"kot\npies!", "-!"},
        {"Ala, Ola?", "?"},
    };
    for (const auto& c : cases) {
        std::string marks;
        for (const SeenSentence& s : Segment(c.text)) marks += s.endMark ? s.endMark : '-';
        EXPECT_EQ(marks, c.marks) << c.text;
    }
}

TEST(Segmentation, EmptyTextHasNoSentence) {
    for (const char* text : {"", static_cast<const char*>(nullptr)}) {
        STextAnalyser analyser;
        analyser.BeginText(text);
        EXPECT_EQ(analyser.NextSentence(), nullptr);
        EXPECT_EQ(analyser.CurrentSentence(), nullptr);
    }
}

TEST(Segmentation, HiddenBlanksAndSourcePositions) {
    auto sentences = Segment("Ala ma kota.");
    ASSERT_EQ(sentences.size(), 1u);
    const auto& words = sentences[0].words;
    ASSERT_EQ(words.size(), 5u);
    const bool hidden[] = {false, true, false, true, false};
    const int positions[] = {0, 3, 4, 6, 7};
    for (size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(words[i].hidden, hidden[i]) << i;
        EXPECT_EQ(words[i].position, positions[i]) << i;
    }
}

TEST(Segmentation, SentenceStartAndLength) {
    auto sentences = Segment("Ala ma kota.  Ola");
    ASSERT_EQ(sentences.size(), 2u);
    EXPECT_EQ(sentences[0].start, 0);
    EXPECT_EQ(sentences[0].length, 14);  // through the skipped blanks
    EXPECT_EQ(sentences[1].start, 14);
    EXPECT_EQ(sentences[1].length, 3);
}

// n lowercase letters with vowels and no repeated character or pair, so that
// the normaliser reads them as plain words.
std::string Letters(size_t n) {
    std::string text;
    while (text.size() < n) text += "kota";
    return text.substr(0, n);
}

TEST(Segmentation, SeventyLettersMakeTwoWords) {
    // Letters that form no run of repeated characters or pairs.
    auto sentences = Segment(Letters(70));
    ASSERT_EQ(sentences.size(), 1u);
    ASSERT_EQ(sentences[0].words.size(), 2u);
    EXPECT_EQ(sentences[0].words[0].text.size(), 65u);
    EXPECT_EQ(sentences[0].words[1].text.size(), 5u);
    EXPECT_EQ(sentences[0].words[1].position, 65);
}

TEST(Segmentation, LongSentenceIsCutWithoutLosingLetters) {
    // 2100 letters and no break: the first sentence ends after 2048 characters
    // and keeps the letters it had collected.
    std::string text = Letters(2100);
    auto sentences = Segment(text);
    ASSERT_EQ(sentences.size(), 2u);
    size_t letters = 0;
    for (const auto& sentence : sentences)
        for (const auto& word : sentence.words) letters += word.text.size();
    EXPECT_EQ(letters, text.size());
    EXPECT_EQ(sentences[0].length, 2048);
}

TEST(Segmentation, EveryCharacterIsReadOnce) {
    // Long mixed text: the analyser always ends, and letters survive intact.
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Zazolc gesla jazn, a potem? Nic!\n";
    auto sentences = Segment(text);
    size_t letters = 0, source = 0;
    for (char c : text) source += IsLetter(static_cast<unsigned char>(c));
    for (const auto& sentence : sentences)
        for (const auto& word : sentence.words)
            for (char c : word.text) letters += IsLetter(static_cast<unsigned char>(c));
    EXPECT_EQ(letters, source);
    EXPECT_EQ(sentences.size(), 800u);
}

TEST(Segmentation, ClosesPhraseFollowsTheSeparator) {
    SAttribute settings;
    auto words = Segment("kot pies, mysz", settings)[0].words;
    EXPECT_EQ(words[0].closes, 0);  // kot, followed by a blank
    EXPECT_EQ(words[2].closes, 1);  // pies, followed by a comma

    settings.readSeparators = true;
    EXPECT_EQ(Segment("kot pies", settings)[0].words[0].closes, 1);

    SAttribute wordByWord;
    wordByWord.fluentSpeech = false;
    EXPECT_EQ(Segment("kot pies", wordByWord)[0].words[0].closes, 1);
}

TEST(Segmentation, SpellModeSpeaksCapitalsFaster) {
    SAttribute settings;
    settings.spellMode = true;
    settings.speed = 90;
    auto sentences = Segment("Ab", settings);
    ASSERT_EQ(sentences.size(), 1u);
    const auto& words = sentences[0].words;
    // Without a spelling table the names are missing; the speed changes stay.
    ASSERT_GE(words.size(), 2u);
    EXPECT_EQ(words[0].text, std::string("\x03\x0A") + "100");
    EXPECT_EQ(words[1].text, std::string("\x03\x0A") + "90");
    EXPECT_TRUE(words[0].hidden);
}

TEST(Segmentation, SpellModeSpeaksNames) {
    SAttribute settings;
    settings.spellMode = true;
    SSpell spell;
    spell.Set("a", "a");
    spell.Set("b", "be");
    spell.Set(".", "kropka");
    auto sentences = Segment("Ab.", settings, &spell);
    ASSERT_EQ(sentences.size(), 1u);
    const std::string speedUp = std::string("\x03\x0A") + "90";
    const std::string speedBack = std::string("\x03\x0A") + "80";
    EXPECT_EQ(Texts(sentences), speedUp + "/a/" + speedBack + "/be/kropka");
}

TEST(Segmentation, SpellModeReadsThroughSentenceEnds) {
    SAttribute settings;
    settings.spellMode = true;
    auto sentences = Segment("A. B. C.", settings);
    EXPECT_EQ(sentences.size(), 1u);
}

struct DictionaryCase {
    const char* text;
    const char* words;  // word texts, sentences separated by " # "
};

class Dictionary : public testing::TestWithParam<DictionaryCase> {};

TEST_P(Dictionary, ReplacesWholeWords) {
    SAttribute settings;
    SDictionary dictionary;
    dictionary.Set("kg", "kilogram\xF3w");
    dictionary.Set("dr.", "doktor");
    dictionary.Set("np.",
                   "na przyk\xB3"
                   "ad");
    dictionary.Set("kot", "kot i pies");
    dictionary.Set("Ola", "Aleksandra");
    EXPECT_EQ(Texts(Segment(GetParam().text, settings, nullptr, &dictionary)), GetParam().words)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Dictionary,
    testing::Values(DictionaryCase{"To kg.", "to/ /kilogram\xF3w"},
                    DictionaryCase{"kg", "kilogram\xF3w"},          // replaced at the very end
                    DictionaryCase{"dr. Nowak", "doktor/ /nowak"},  // the period is consumed
                    DictionaryCase{"np. tak",
                                   "na/ /przyk\xB3"
                                   "ad/ /tak"},
                    DictionaryCase{"Kot", "kot/ /i/ /pies"},   // capital served by lower case
                    DictionaryCase{"ola", "ola"},              // but not the other way
                    DictionaryCase{"kot.", "kot/ /i/ /pies"},  // no cascade
                    DictionaryCase{"kg, kg", "kilogram\xF3w/,/ /kilogram\xF3w"}));

TEST(Dictionary, ReplacementWordsKeepTheSourceAndContinue) {
    SAttribute settings;
    SDictionary dictionary;
    dictionary.Set("np.",
                   "na przyk\xB3"
                   "ad");
    auto words = Segment("Tak np. tu", settings, nullptr, &dictionary)[0].words;
    ASSERT_EQ(words.size(), 7u);
    EXPECT_EQ(words[2].text, "na");
    EXPECT_EQ(words[2].source, "np.");
    EXPECT_EQ(words[2].continuation, 0);
    EXPECT_EQ(words[2].position, 4);
    EXPECT_EQ(words[4].source, "np.");
    EXPECT_EQ(words[4].continuation, 1);
    EXPECT_EQ(words[4].position, 4);
    EXPECT_EQ(words[6].position, 8);
}

TEST(Dictionary, SwitchedOffReadsWordsAsWritten) {
    SAttribute settings;
    settings.useExtDict = false;
    SDictionary dictionary;
    dictionary.Set("kg", "kilogram\xF3w");
    EXPECT_EQ(Texts(Segment("kg", settings, nullptr, &dictionary)), "kg");
}

class Phrases : public testing::TestWithParam<std::pair<const char*, const char*>> {};

// Groups as visible-word ranges "first-last".
std::string GroupsOf(const char* text, bool fluent = true) {
    SAttribute settings;
    settings.fluentSpeech = fluent;
    STextAnalyser analyser;
    analyser.Attach(&settings, nullptr, nullptr);
    analyser.BeginText(text);
    SSentence* sentence = analyser.NextSentence();
    std::string result;
    for (const SPhrase* phrase : sentence->phrases) {
        if (!result.empty()) result += ' ';
        result += std::to_string(phrase->firstWord) + "-" + std::to_string(phrase->lastWord);
    }
    return result;
}

TEST_P(Phrases, GroupCliticsWithTheNextWord) {
    EXPECT_EQ(GroupsOf(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Phrases,
    testing::Values(std::make_pair("nie ma kota", "0-1 2-2"),
                    std::make_pair("kot i pies", "0-0 1-2"),
                    std::make_pair("do domu i do szko\xB3y", "0-1 2-4"),  // i do szkoły
                    std::make_pair("nie, kot", "0-0 1-1 2-2"),            // comma closes
                    std::make_pair("Nie ma", "0-1"),       // text is lower-cased first
                    std::make_pair("kot i", "0-0 1-1")));  // leftover group

TEST(Phrases, WordByWordMakesOneGroupPerWord) {
    EXPECT_EQ(GroupsOf("nie ma kota", false), "0-0 1-1 2-2");
}

TEST(Sentence, AppendTextSplitsIntoWords) {
    SSentence sentence;
    sentence.AppendText("sto dwa, 3x", "123");
    std::string texts;
    for (const SWord* word : sentence.words) texts += word->text + "/";
    EXPECT_EQ(texts, "sto/dwa/,/3/x/");
    EXPECT_EQ(sentence.words[0]->continuation, 0);
    EXPECT_EQ(sentence.words[1]->continuation, 1);
    EXPECT_EQ(sentence.words[4]->continuation, 1);
    EXPECT_EQ(sentence.words[2]->closesPhrase, 0);  // a marker word
    EXPECT_EQ(sentence.words[0]->sourceText, "123");
}

TEST(Sentence, VisibleIndexSkipsHiddenWords) {
    SSentence sentence;
    sentence.AppendText("kot", "");
    sentence.AppendMarker(' ');
    sentence.AppendText("pies", "");
    EXPECT_EQ(sentence.VisibleCount(), 2);
    EXPECT_EQ(sentence.VisibleToIndex(0), 0);
    EXPECT_EQ(sentence.VisibleToIndex(1), 2);
    EXPECT_EQ(sentence.VisibleToIndex(2), -1);
    EXPECT_EQ(sentence.VisibleToIndex(-1), -1);
    EXPECT_FALSE(sentence.HasNoRealWords());
}

TEST(Sentence, BlanksAndControlWordsAreNoRealWords) {
    SSentence sentence;
    EXPECT_TRUE(sentence.HasNoRealWords());
    sentence.AppendMarker(' ');
    sentence.AppendWord(std::string("\x03\x0A") + "90", "", 1, 0);
    EXPECT_TRUE(sentence.HasNoRealWords());
    sentence.AppendMarker('.');
    EXPECT_FALSE(sentence.HasNoRealWords());
}

}  // namespace

namespace {

// Any bytes at all: the analyser ends, every sentence is bounded, and each
// sentence's words and rules survive (run under the sanitizers in CI).
TEST(Segmentation, ArbitraryBytesNeverHangOrCrash) {
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<unsigned char>(seed >> 24);
    };
    for (int round = 0; round < 40; ++round) {
        std::string text;
        for (int i = 0; i < 3000; ++i) {
            unsigned char c = next();
            text += static_cast<char>(c == 0 ? 'a' : c);
        }
        SAttribute settings;
        settings.spellMode = round % 4 == 3;
        settings.fluentSpeech = round % 3 != 0;
        auto sentences = Segment(text, settings);
        ASSERT_LT(sentences.size(), text.size() + 1);
        for (const auto& sentence : sentences) {
            EXPECT_GE(sentence.length, 0);
            EXPECT_LE(sentence.length, 3000);
            for (const auto& word : sentence.words) EXPECT_LE(word.text.size(), 65u);
        }
    }
}

}  // namespace
