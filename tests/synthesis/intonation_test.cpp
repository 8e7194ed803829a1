// Sentence intonation: the pitch each allophone is read at (its mean step)
// across statements, questions and commas, and the settings that turn it off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "synthesis/intonation.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

// "tan koota_" + end mark: a plain vowel, then the stressed "oo" (20) and the
// final "a_" (33) of the last word.
constexpr int kStressedVowelWord = 1, kStressedVowelIndex = 1;

void BuildSentence(STestSentence& s, const char* end, bool comma = false) {
    s.Word({65, 1, 79}, 0, "tan");
    if (comma) {
        s.Word({67, 20, 65, 1}, 4, "kota");
        s.Word({108}, 8, ",");
    }
    s.Word({67, 20, 65, 33}, 10, "kota");
    s.Word({109}, 14, end);
}

// Mean step over an allophone's positions, 1.0 = the recording's own rate.
double MeanStep(const SAlofon& a) {
    int n = a.positions.GetSize();
    if (n < 2) return 0.0;
    return (a.positions[n - 1].Raw() - a.positions[0].Raw()) / 65536.0 / (n - 1);
}

std::vector<std::vector<int32_t>> TimedPositions(const char* end, bool intonation, int depth,
                                                 int pitch = 160, bool comma = false) {
    STestVoices voices;
    STestSentence s;
    BuildSentence(s, end, comma);
    SAttribute settings;
    settings.keepFormants = false;  // the contour as a step change
    settings.SetPitch(pitch);
    settings.intonation = intonation;
    settings.intonationDepth = depth;
    ComputeTiming(s.sentence, settings, voices.Pair());
    std::vector<std::vector<int32_t>> out;
    for (int w = 0; w < s.sentence.words.GetSize(); ++w)
        for (int a = 0; a < s.sentence.words[w]->GetSize(); ++a) {
            const SAlofon& al = *(*s.sentence.words[w])[a];
            std::vector<int32_t> p;
            for (int i = 0; i < al.positions.GetSize(); ++i) p.push_back(al.positions[i].Raw());
            p.push_back(al.SampleCount());
            out.push_back(p);
        }
    return out;
}

double StressedVowelStep(const char* end, int depth, int pitch = 160) {
    STestVoices voices;
    STestSentence s;
    BuildSentence(s, end);
    SAttribute settings;
    settings.keepFormants = false;  // the contour as a step change
    settings.SetPitch(pitch);
    settings.intonationDepth = depth;
    ComputeTiming(s.sentence, settings, voices.Pair());
    return MeanStep(*(*s.sentence.words[kStressedVowelWord])[kStressedVowelIndex]);
}

TEST(Intonation, AQuestionRaisesItsLastStressedVowelAboveTheStatement) {
    double question = StressedVowelStep("?", 50), statement = StressedVowelStep(".", 50);
    EXPECT_GT(question, 1.0);
    EXPECT_LT(statement, 1.0);
    EXPECT_GT(question, statement + 0.02);
    // A deeper setting moves further.
    EXPECT_GT(StressedVowelStep("?", 100), question);
    EXPECT_LT(StressedVowelStep(".", 100), statement);
}

struct SOffCase {
    const char* label;
    bool intonation;
    int depth;
};

// Off, or at depth 0, every allophone is timed exactly as the written rules
// time it: one step, the same positions and sample counts.
TEST(Intonation, OffOrDepthZeroGivesTheWrittenTiming) {
    for (const char* end : {"?", "."}) {
        auto written = TimedPositions(end, false, 50);
        for (SOffCase c : {SOffCase{"off", false, 50}, SOffCase{"off, depth 100", false, 100},
                           SOffCase{"depth 0", true, 0}, SOffCase{"negative depth", true, -20}}) {
            EXPECT_EQ(TimedPositions(end, c.intonation, c.depth), written) << c.label << " " << end;
        }
        // Today's steps: 1.0 everywhere at Pitch 160.
        for (const auto& p : written)
            for (size_t i = 2; i + 1 < p.size(); ++i) ASSERT_EQ(p[i] - p[i - 1], 65536);
    }
    EXPECT_NE(TimedPositions("?", true, 50), TimedPositions("?", false, 50));
}

TEST(Intonation, AStatementDeclinesAndFallsAtItsEnd) {
    STestVoices voices;
    STestSentence s;
    BuildSentence(s, ".");
    SAttribute settings;
    settings.keepFormants = false;  // the contour as a step change
    ComputeTiming(s.sentence, settings, voices.Pair());
    double first = MeanStep(*(*s.sentence.words[0])[1]);  // the first voiced sound
    double last = MeanStep(*(*s.sentence.words[1])[3]);
    EXPECT_GT(first, 1.0);
    EXPECT_LT(last, first - 0.03);
    // The fall is the last vowel's: it drops well below the stressed vowel
    // before it, which only declines.
    double stressed = MeanStep(*(*s.sentence.words[1])[1]);
    EXPECT_LT(last, stressed - 0.015);
    EXPECT_GT(stressed, 0.98);
    // Steps glide inside an allophone instead of jumping at its edges.
    const SAlofon& finalVowel = *(*s.sentence.words[1])[3];
    int n = finalVowel.positions.GetSize();
    int32_t early = finalVowel.positions[1].Raw() - finalVowel.positions[0].Raw();
    int32_t late = finalVowel.positions[n - 1].Raw() - finalVowel.positions[n - 2].Raw();
    EXPECT_LT(late, early);
}

TEST(Intonation, ACommaRisesLessThanAQuestion) {
    STestVoices voices;
    STestSentence s;
    BuildSentence(s, "?", true);
    SAttribute settings;
    settings.keepFormants = false;  // the contour as a step change
    ComputeTiming(s.sentence, settings, voices.Pair());
    double beforeComma = MeanStep(*(*s.sentence.words[1])[1]);
    double question = MeanStep(*(*s.sentence.words[3])[1]);
    EXPECT_GT(beforeComma, 1.0);
    EXPECT_GT(question, beforeComma);
}

// Voiceless sounds have no pitch to carry the tune: they keep the settings'
// own step while the voiced sounds around them move.
TEST(Intonation, VoicelessSoundsKeepTheSettingsStep) {
    struct SCase {
        const char* end;
        int word, index;  // an allophone of "tan kota"
        bool moves;
    } cases[] = {{"?", 0, 0, false}, {"?", 1, 0, false}, {"?", 1, 2, false},
                 {".", 1, 2, false}, {"?", 1, 1, true},  {"?", 1, 3, true},
                 {".", 0, 1, true},  {".", 0, 2, true},  {".", 1, 3, true}};
    for (const SCase& c : cases) {
        STestVoices voices;
        STestSentence s;
        BuildSentence(s, c.end);
        SAttribute settings;
        settings.keepFormants = false;
        ComputeTiming(s.sentence, settings, voices.Pair());
        double step = MeanStep(*(*s.sentence.words[c.word])[c.index]);
        if (c.moves)
            EXPECT_GT(std::abs(step - 1.0), 0.002) << c.end << " " << c.word << ":" << c.index;
        else
            EXPECT_NEAR(step, 1.0, 1e-6) << c.end << " " << c.word << ":" << c.index;
    }
}

// The contour never leaves the engine's pitch range (80..400), nor does it
// switch voices inside a word.
TEST(Intonation, StaysInsideThePitchRange) {
    struct SCase {
        int pitch;
        const char* end;
        double lowest, highest;  // step bounds: range / 160, halved on the fast voice
    } cases[] = {
        {400, "?", 0.0, 400 / 160.0 / 2}, {80, ".", 80 / 160.0, 9.0}, {240, "?", 0.0, 400 / 160.0}};
    for (const SCase& c : cases) {
        auto timed = TimedPositions(c.end, true, 100, c.pitch);
        for (const auto& p : timed)
            for (size_t i = 1; i + 1 < p.size(); ++i) {
                double step = (p[i] - p[i - 1]) / 65536.0;
                ASSERT_GE(step, c.lowest - 1e-4) << c.pitch;
                ASSERT_LE(step, c.highest + 1e-4) << c.pitch;
            }
    }
}

struct SGlideCase {
    double carry, from, to;
    int limit;
};

TEST(Timing, GlidingPositionsMatchTheConstantStepWhenFlat) {
    for (SGlideCase c : {SGlideCase{0, 1.0, 1.0, 1000}, SGlideCase{0.5, 1.125, 1.125, 1000},
                         SGlideCase{0, 0.9375, 0.9375, 500}, SGlideCase{12, 1.0, 1.0, 10}}) {
        SFastArray<SFP> flat, glide;
        SFP a = FillPositions(SFP::FromReal(c.carry), SFP::FromReal(c.from),
                              int64_t{c.limit} * 65536, flat);
        SFP b = FillGlidingPositions(SFP::FromReal(c.carry), SFP::FromReal(c.from),
                                     SFP::FromReal(c.to), int64_t{c.limit} * 65536, glide);
        ASSERT_EQ(flat.GetSize(), glide.GetSize()) << c.limit;
        for (int i = 0; i < flat.GetSize(); ++i) ASSERT_EQ(flat[i], glide[i]);
        EXPECT_EQ(a, b);
    }
}

// The positions by the plain formula, one division per sample.
std::vector<int64_t> GlideByDivision(int64_t carry, int64_t from, int64_t to, int64_t limit) {
    std::vector<int64_t> out;
    for (int64_t v = carry; v < limit; v += std::max<int64_t>(from + (to - from) * v / limit, 1))
        out.push_back(v);
    return out;
}

TEST(Timing, GlidingPositionsFollowTheExactStepFormula) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        int64_t limit = int64_t{std::uniform_int_distribution<int>(1, 3000)(random)} * 65536 +
                        std::uniform_int_distribution<int>(0, 65535)(random);
        int64_t from = std::uniform_int_distribution<int>(-2000, 140000)(random);
        int64_t to = std::uniform_int_distribution<int>(-2000, 140000)(random);
        int64_t carry = std::uniform_int_distribution<int>(0, 90000)(random);
        std::vector<int64_t> expected = GlideByDivision(carry, from, to, limit);
        SFastArray<SFP> positions;
        SFP rest = FillGlidingPositions(SFP::FromRaw(static_cast<int32_t>(carry)),
                                        SFP::FromRaw(static_cast<int32_t>(from)),
                                        SFP::FromRaw(static_cast<int32_t>(to)), limit, positions);
        ASSERT_EQ(static_cast<size_t>(positions.GetSize()), expected.size()) << round;
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(positions[static_cast<int>(i)].Raw(), expected[i]) << round;
        if (!expected.empty()) {
            int64_t last = expected.back();
            EXPECT_EQ(rest.Raw(),
                      last + std::max<int64_t>(from + (to - from) * last / limit, 1) - limit)
                << round;
        }
    }
}

// Ends, lengths and carries at the edges: real pitches, steps of one raw
// unit, short and long allophones, steep glides over few samples, carries
// on and just below the limit, and lists long enough to outgrow a first guess.
TEST(Timing, GlidingPositionsFollowTheExactStepFormulaAtTheEdges) {
    struct SEdge {
        int64_t carry, from, to, limit;
    };
    const SEdge edges[] = {
        {0, 32768, 163840, 65536 * 4000},  // slowest to fastest real step
        {0, 163840, 32768, 65536 * 4000},  // and back
        {65535, 65536, 65537, 65536 * 3},  // a glide by one raw unit
        {0, 1, 2, 65536},                  // steps of one and two units
        {0, 2, 1, 65536},
        {0, 1, 140000, 65536},                 // a steep rise: few samples
        {0, 140000, 1, 65536},                 // a steep fall
        {65535, 100, 90000, 65536},            // carry one unit below the limit
        {65536, 100, 90000, 65536},            // carry on the limit: nothing
        {0, 60000, 70000, 1},                  // a limit of one unit
        {12345, 70000, 60000, INT32_MAX},      // the longest allophone
        {0, 65536, 65536 * 2, 65536 * 30000},  // a doubling over many samples
        {0, 3, 300000, 65536 * 7},             // the first guess is far too short
        {0, 0, 70000, 65536 * 5},              // a zero end takes the bounded step
        {0, -5000, 70000, 65536 * 5},
    };
    for (const SEdge& e : edges) {
        std::vector<int64_t> expected = GlideByDivision(e.carry, e.from, e.to, e.limit);
        SFastArray<SFP> positions;
        SFP rest = FillGlidingPositions(
            SFP::FromRaw(static_cast<int32_t>(e.carry)), SFP::FromRaw(static_cast<int32_t>(e.from)),
            SFP::FromRaw(static_cast<int32_t>(e.to)), e.limit, positions);
        ASSERT_EQ(static_cast<size_t>(positions.GetSize()), expected.size())
            << e.from << " " << e.to;
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(positions[static_cast<int>(i)].Raw(), expected[i])
                << e.from << " " << e.to << " at " << i;
        int64_t last = expected.empty() ? e.carry : expected.back();
        int64_t next = expected.empty()
                           ? e.carry
                           : last + std::max<int64_t>(e.from + (e.to - e.from) * last / e.limit, 1);
        EXPECT_EQ(rest.Raw(), next - e.limit) << e.from << " " << e.to;
    }
}

TEST(Timing, GlidingPositionsMoveTheStepFromOneEndToTheOther) {
    SFastArray<SFP> positions;
    SFP carry = FillGlidingPositions(SFP(), SFP::FromReal(0.8), SFP::FromReal(1.2),
                                     int64_t{1000} * 65536, positions);
    int n = positions.GetSize();
    ASSERT_GT(n, 900);
    ASSERT_LT(n, 1100);
    EXPECT_NEAR((positions[1].Raw() - positions[0].Raw()) / 65536.0, 0.8, 0.001);
    EXPECT_NEAR((positions[n - 1].Raw() - positions[n - 2].Raw()) / 65536.0, 1.2, 0.002);
    for (int i = 2; i < n; ++i)
        ASSERT_GE(positions[i].Raw() - positions[i - 1].Raw(),
                  positions[i - 1].Raw() - positions[i - 2].Raw());
    EXPECT_LT(positions[n - 1].Raw(), 1000 * 65536);
    EXPECT_GE(carry.Raw(), 0);
    EXPECT_LT(carry.Raw(), SFP::FromReal(1.21).Raw());
}

}  // namespace
