// Hostile and random texts through the analyser with every reader on: each
// finishes, and no sentence grows without bound.
#include <gtest/gtest.h>

#include <random>

#include "core/attribute.h"
#include "engine/sentence_stages.h"
#include "text/dictionary.h"
#include "text/spell.h"
#include "text/text_analyser.h"

namespace {

// Words of the largest sentence; -1 when the text did not come to an end.
int LargestSentence(const std::string& text) {
    SAttribute settings;
    settings.readSeparators = settings.readInterpunction = true;
    SSpell spell;
    spell.Load();
    SDictionary dictionary;
    dictionary.Parse("a aaaa\nb \\Spd=120\\ b\n");
    STextAnalyser analyser;
    analyser.Attach(&settings, &spell, &dictionary);
    analyser.BeginText(text.c_str());
    int largest = 0;
    for (size_t sentences = 0; SSentence* sentence = NextReadySentence(analyser); ++sentences) {
        if (sentences > text.size() + 10) return -1;
        largest = std::max(largest, sentence->WordCount());
    }
    return largest;
}

std::string Repeat(const std::string& piece, size_t total) {
    std::string text;
    while (text.size() < total) text += piece;
    return text;
}

TEST(ReaderRobustnessTest, LongHostileTextsStayBounded) {
    // Pieces of three or more characters, so that the run reader does not
    // take the whole text as one repeated sequence.
    const size_t size = 8000;
    const std::string texts[] = {
        std::string(size, '7'),     "1," + std::string(size, '5'), Repeat("1ab", size),
        Repeat("1234567890", size), Repeat("\\Com=\"x", size),     Repeat("\\Spd=", size),
        Repeat("a.bc", size),       Repeat("W x ", size),          Repeat("12/", size),
        Repeat("7:5", size),        Repeat(":-) ", size),          Repeat("x@y.pl", size),
        Repeat("http://", size),
    };
    for (const std::string& text : texts) {
        int largest = LargestSentence(text);
        EXPECT_GE(largest, 0) << text.substr(0, 20);
        // Sentences close at 2048 words, plus what one reader step adds.
        EXPECT_LT(largest, 6144) << text.substr(0, 20);
    }
}

TEST(ReaderRobustnessTest, RandomBytes) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(1, 255);
    const char alphabet[] = "0123456789.,:/-\\=\"@ ()!aAzZ\t\n%$;?Mrk";
    std::uniform_int_distribution<size_t> pick(0, sizeof(alphabet) - 2);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int i = 0; i < 400; ++i)
            text += round % 2 ? static_cast<char>(byte(random)) : alphabet[pick(random)];
        EXPECT_GE(LargestSentence(text), 0);
    }
}

}  // namespace
