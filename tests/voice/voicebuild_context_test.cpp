// The builder's context recordings: aligning espeak-ng's phonemes with the
// engine's allophones, splitting prose into sentences, and bringing a token
// to its pattern's length without touching its edges.
#ifdef VOKRANT_HAVE_VOICEBUILD

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "context_variants.h"
#include "model/allophone_ids.h"
#include "prose_tokens.h"

namespace voicebuild {
namespace {

using Names = std::vector<std::string>;

TEST(ProseTokens, PhonemesAreAlignedWhereTheyAgree) {
    const struct {
        Names ours, theirs;
        std::vector<int> matched;
    } cases[] = {
        {{"t", "a", "k"}, {"t", "a#", "k"}, {0, 1, 2}},  // a phrase-final mark is no difference
        {{"t", ";", "a"}, {"t", "a"}, {0, -1, 1}},       // a glide espeak-ng leaves out
        {{"a", "b"}, {"a", "x", "b"}, {0, 2}},           // a phoneme only espeak-ng has
        {{"s", "a"}, {"S", "a"}, {-1, 1}},               // another sound matches nothing
        {{}, {"a"}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(AlignPhonemes(c.ours, c.theirs), c.matched);
}

TEST(ProseTokens, AllophonesStandForTheirCarriersPhonemes) {
    EXPECT_EQ(EspeakPhonemesOf(allophone::kIa), (Names{";", "a"}));
    EXPECT_EQ(EspeakPhonemesOf(allophone::kSz), Names{"S"});
    EXPECT_EQ(EspeakPhonemesOf(allophone::kCh), EspeakPhonemesOf(allophone::kH));
    EXPECT_TRUE(EspeakPhonemesOf(kAlfPauseInterWord).empty());
}

TEST(ProseTokens, ProseSplitsAtSentenceEnds) {
    EXPECT_EQ(SplitSentences("Ala ma kota. Czy to pies?\nTak! Cena 3.50 zł"),
              (Names{"Ala ma kota.", "Czy to pies?", "Tak!", "Cena 3.50 zł"}));
    EXPECT_TRUE(SplitSentences("  \n ").empty());
}

TEST(ContextVariants, SchemesAreNamedInAList) {
    std::vector<ContextScheme> schemes;
    ASSERT_TRUE(ParseContextSchemes("after,stop-closure,after", schemes));
    EXPECT_EQ(schemes, (std::vector<ContextScheme>{ContextScheme::kAfter,
                                                   ContextScheme::kStopClosure}));
    EXPECT_FALSE(ParseContextSchemes("after,closure", schemes));
    EXPECT_FALSE(ParseContextSchemes("", schemes));
}

// A burst of 3 samples stands for a stop of 8: 5 samples of closure go in
// front and the burst ends where the pattern ends; a token as long as the
// pattern or longer is left as it was.
TEST(ContextVariants, AShortStopGetsItsClosureInFront) {
    ProseToken burst, whole;
    burst.samples = {900, -700, 300};
    whole.samples = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::vector<ProseToken> closed = WithClosures({&burst, &whole}, 8);
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(closed[0].samples, (std::vector<int16_t>{0, 0, 0, 0, 0, 900, -700, 300}));
    EXPECT_EQ(closed[1].samples, whole.samples);
}

std::vector<int16_t> Tone(double hz, int rate, size_t n) {
    std::vector<int16_t> s(n);
    for (size_t i = 0; i < n; ++i)
        s[i] = int16_t(std::lround(8000 * std::sin(2 * M_PI * hz * double(i) / rate)));
    return s;
}

// 2000 samples of 100 Hz made 1500 or 2700 long: exact lengths, the first
// 500 samples as they were, the last 100 those of the tone less than a
// period from its end (the seams lie between), and the pitch kept (only
// whole periods move).
TEST(ContextVariants, FittingTheLengthKeepsEdgesAndPitch) {
    const int rate = 22050;
    const std::vector<int16_t> tone = Tone(100, rate, 2000);
    for (size_t length : {1500u, 2700u, 2000u}) {
        SCOPED_TRACE(length);
        const std::vector<int16_t> fitted = FitLength(tone, length, rate);
        ASSERT_EQ(fitted.size(), length);
        EXPECT_TRUE(std::equal(tone.begin(), tone.begin() + 500, fitted.begin()));
        bool endKept = false;
        for (size_t cut = 0; cut <= 221 && !endKept; ++cut)
            endKept = std::equal(tone.end() - 100 - long(cut), tone.end() - long(cut),
                                 fitted.end() - 100);
        EXPECT_TRUE(endKept);
        // Zero crossings upwards, one every 220.5 samples, everywhere.
        std::vector<size_t> rising;
        for (size_t i = 1; i < fitted.size(); ++i)
            if (fitted[i - 1] < 0 && fitted[i] >= 0) rising.push_back(i);
        for (size_t k = 1; k < rising.size(); ++k)
            EXPECT_NEAR(double(rising[k] - rising[k - 1]), 220.5, 3.0) << rising[k];
    }
}

}  // namespace
}  // namespace voicebuild

#endif
