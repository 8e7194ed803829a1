// How the voice sounds, measured: steady windows found by the cutter, levels
// matched by class, the shipped vowels steady enough to be doubled, and the
// joins that the public sentences make.
#ifdef VOKRANT_HAVE_VOICEBUILD

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "allophone_cut.h"
#include "join_survey.h"
#include "level_classes.h"
#include "model/context_sounds.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/spline.h"
#include "soundfile/voice_loader.h"
#include "spectral_frames.h"

namespace voicebuild {
namespace {

constexpr int kRate = 22050;

// A tone whose frequency glides from `from_hz` to `to_hz` over n samples.
void AppendGlide(std::vector<int16_t>& s, double from_hz, double to_hz, size_t n, double& phase) {
    for (size_t i = 0; i < n; ++i) {
        double hz = from_hz + (to_hz - from_hz) * double(i) / double(n);
        phase += 2 * M_PI * hz / kRate;
        s.push_back(int16_t(std::lround(8000 * std::sin(phase))));
    }
}

struct SteadyCase {
    const char* label;
    std::vector<std::pair<double, double>> parts;  // (from, to) Hz, each 2205 samples (100 ms)
    size_t steady_part;                            // the part the window must lie in
};

TEST(SteadyWindow, LiesInsideTheSteadyStretch) {
    const SteadyCase cases[] = {
        {"steady first", {{500, 500}, {500, 2500}, {2500, 300}}, 0},
        {"steady middle", {{300, 2000}, {1200, 1200}, {1200, 3000}}, 1},
        {"steady last", {{3000, 400}, {400, 2600}, {2600, 2600}}, 2},
    };
    const size_t part = 2205, length = 1500;
    for (const SteadyCase& c : cases) {
        std::vector<int16_t> s;
        double phase = 0;
        for (auto [from, to] : c.parts) AppendGlide(s, from, to, part, phase);
        SteadyWindow w = FindSteadyWindow(s, 0, s.size(), length, kRate);
        // Within a frame hop (64 samples) of the stretch: a glide starts where the tone was.
        EXPECT_GE(w.start + 64, c.steady_part * part) << c.label;
        EXPECT_LE(w.start + length, (c.steady_part + 1) * part + 64) << c.label;
        EXPECT_LT(w.stability_db, 4.0) << c.label;
    }
    // A span no longer than the window: the window is the span.
    std::vector<int16_t> s(1000, 100);
    EXPECT_EQ(FindSteadyWindow(s, 10, 900, 890, kRate).start, 10u);
}

// Two equally steady tones: the neighbours' edge spectra decide which one
// the window takes; empty targets change nothing.
TEST(SteadyWindow, EdgeTargetsPullTheWindowToTheNeighboursLikeness) {
    const size_t part = 2205, length = 1500;
    std::vector<int16_t> s;
    double phase = 0;
    AppendGlide(s, 700, 700, part, phase);
    AppendGlide(s, 2400, 2400, part, phase);
    std::vector<int16_t> low, high;
    double p1 = 0, p2 = 0;
    AppendGlide(low, 700, 700, 512, p1);
    AppendGlide(high, 2400, 2400, 512, p2);
    SpectralAnalyser analyser(kRate);
    MelFrame low_frame = analyser.Frame(low, 0), high_frame = analyser.Frame(high, 0);
    struct Case {
        const char* label;
        EdgeTargets targets;
        bool use_targets;
        size_t part;  // the tone the window must lie in
    } cases[] = {
        {"both like the second tone", {high_frame, high_frame}, true, 1},
        {"only the one after", {{}, high_frame}, true, 1},
        {"both like the first tone", {low_frame, low_frame}, true, 0},
    };
    for (const Case& c : cases) {
        SteadyWindow w =
            FindSteadyWindow(s, 0, s.size(), length, kRate, c.use_targets ? &c.targets : nullptr);
        EXPECT_GE(w.start + 64, c.part * part) << c.label;
        EXPECT_LE(w.start + length, (c.part + 1) * part + 64) << c.label;
        if (c.use_targets && !c.targets.after.empty()) {
            EXPECT_LT(w.edge_db, 6.0) << c.label;
        }
    }
    SteadyWindow plain = FindSteadyWindow(s, 0, s.size(), length, kRate);
    EdgeTargets empty;
    SteadyWindow with_empty = FindSteadyWindow(s, 0, s.size(), length, kRate, &empty);
    EXPECT_EQ(with_empty.start, plain.start);
    EXPECT_EQ(with_empty.edge_db, 0.0);
    EXPECT_EQ(plain.edge_db, 0.0);
}

TEST(LevelClasses, EachAllophoneMeetsItsClassMedian) {
    RecordingSet set;
    set.rate = kRate;
    double phase = 0;
    auto tone = [&](const char* name, double amplitude) {
        std::vector<int16_t> s;
        AppendGlide(s, 300, 300, 2000, phase);
        for (int16_t& v : s) v = int16_t(std::lround(v * amplitude));
        set.recordings.push_back({name, s, ""});
    };
    tone("a", 1.0);
    tone("e", 0.25);
    tone("o", 0.5);
    tone("aa", 2.0);  // stressed vowels: a class of one keeps its level
    tone("s", 2.0);
    tone("f", 0.5);
    set.recordings.back().samples[1000] =
        30000;  // a peak that would clip when raised: held below full scale
    double aa_before = ActiveLevelDb(set.recordings[3].samples, kRate);
    MatchClassLevels(set);
    double a = ActiveLevelDb(set.Find("a")->samples, kRate);
    EXPECT_NEAR(ActiveLevelDb(set.Find("e")->samples, kRate), a, 0.1);
    EXPECT_NEAR(ActiveLevelDb(set.Find("o")->samples, kRate), a, 0.1);
    EXPECT_NEAR(ActiveLevelDb(set.Find("aa")->samples, kRate), aa_before, 0.01);
    for (const auto& r : set.recordings)
        for (int16_t v : r.samples) ASSERT_LE(std::abs(int(v)), 32000) << r.name;
    // The fricatives' "f" is held below clipping, so only the vowels' class is even.
    for (const ClassSpread& c : LevelSpreads(set)) {
        if (c.label == "plain vowels") {
            EXPECT_LT(c.highest_db - c.lowest_db, 0.1) << c.label;
        }
        if (c.label == "fricatives") {
            EXPECT_GT(c.highest_db - c.lowest_db, 1.0) << c.label;
        }
    }
}

std::vector<int16_t> PatternSamples(const SAlofonPatt& p) {
    std::vector<int16_t> out(size_t(p.end - p.first));
    SSplineReader reader(p);
    for (size_t i = 0; i < out.size(); ++i) out[i] = reader.At(SFP::FromInt(int32_t(i)));
    return out;
}

// A doubled or lengthened vowel repeats its pattern: its spectrum must be
// the same at both ends, or the repeat warbles (the spectra are averaged
// over each third, so that pitch harmonics do not count).
TEST(ShippedVoiceQuality, PlainAndStressedVowelsStaySteadyWhenRepeated) {
    SAlfPattArr voice;
    LoadVoice(voice, "pln_22.als", VOKRANT_SOURCE_DATA_DIR);
    SpectralAnalyser analyser(kRate);
    const size_t hop = analyser.FrameSize() / 4;
    for (int id : {1, 2, 3, 4, 5, 6, 17, 18, 19, 20, 21, 22}) {
        std::vector<int16_t> once = PatternSamples(*voice.PatternAt(id));
        std::vector<MelFrame> frames = analyser.Frames(once, 0, once.size(), hop);
        size_t third = frames.size() / 3;
        ASSERT_GT(third, 2u);
        double drift = SpectralDistance(MeanFrame(frames, 0, third),
                                        MeanFrame(frames, frames.size() - third, frames.size()));
        EXPECT_LT(drift, 4.0) << InventoryName(id);
    }
}

// The runs the neighbour counts and the join survey are made from: one per
// phrase (a comma's or a sentence's pause ends it), sounding allophones only.
TEST(SoundingRuns, OnePerPhraseAndOnlySoundingAllophones) {
    LoadVoice(NormalVoice(), "pln_22.als", VOKRANT_SOURCE_DATA_DIR);
    LoadVoice(HalfRateVoice(), "pln_11.als", VOKRANT_SOURCE_DATA_DIR);
    struct Case {
        std::vector<std::string> sentences;
        size_t runs;
    } cases[] = {
        {{"Ala ma kota."}, 1},
        {{"Ala, ma kota."}, 2},
        {{"Ala ma kota.", "Ola, Ela i Ula."}, 3},
        {{"Ala ma kota. Ola ma psa."}, 2},
        {{""}, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<int>> runs = SoundingRuns(c.sentences, NormalVoice());
        size_t nonEmpty = 0;
        for (const auto& run : runs) {
            if (run.empty()) continue;
            ++nonEmpty;
            for (int id : run) {
                const SAlofonPatt* p = NormalVoice().PatternAt(id);
                ASSERT_NE(p, nullptr) << c.sentences[0];
                EXPECT_FALSE(p->features & AF_PAUSE) << c.sentences[0] << " " << id;
                EXPECT_GT(p->end, p->first) << c.sentences[0] << " " << id;
            }
        }
        EXPECT_EQ(nonEmpty, c.runs) << c.sentences[0];
    }
}

TEST(ShippedVoiceQuality, PublicSentencesJoinWithoutSteps) {
    std::ifstream in(std::string(VOKRANT_TEST_DATA_DIR) + "voice/public_sentences.txt");
    std::vector<std::string> sentences;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) sentences.push_back(line);
    ASSERT_EQ(sentences.size(), 30u);
    LoadVoice(NormalVoice(), "pln_22.als", VOKRANT_SOURCE_DATA_DIR);
    LoadVoice(HalfRateVoice(), "pln_11.als", VOKRANT_SOURCE_DATA_DIR);
    std::vector<JoinMeasure> joins = SurveyJoins(sentences, NormalVoice());
    int total = 0, sounding = 0;
    for (const JoinMeasure& j : joins) {
        total += j.count;
        // Faded edges: no click at any join, sounding or not.
        EXPECT_LE(j.sample_step, 64) << j.left << "+" << j.right;
        if (j.silent) continue;
        sounding += j.count;
        EXPECT_LT(j.jump_db, 40.0) << j.left << "+" << j.right;
    }
    EXPECT_GT(total, 500);
    EXPECT_GT(sounding, total / 2);
}

// Each context recording stands in for its allophone's own pattern: the
// same length (timing reads it at the same positions) and no louder or
// softer than it by more than 1 dB, at both rates.
TEST(ShippedVoiceQuality, ContextRecordingsMatchTheirOwnPatterns) {
    for (auto [file, rate] : {std::pair{"pln_22.als", 22050}, std::pair{"pln_11.als", 11025}}) {
        SAlfPattArr voice;
        std::string problem;
        LoadVoice(voice, file, VOKRANT_SOURCE_DATA_DIR, &problem);
        ASSERT_EQ(problem, "") << file;
        ASSERT_GT(voice.contextSounds.Count(), 100) << file;
        for (int i = 0; i < voice.contextSounds.Count(); ++i) {
            const SContextSound& sound = voice.contextSounds.At(i);
            const std::vector<int16_t> own = PatternSamples(*voice.PatternAt(sound.id));
            const std::vector<int16_t>& recorded = sound.samples;
            ASSERT_EQ(recorded.size(), own.size()) << file << " " << InventoryName(sound.id);
            EXPECT_NEAR(ActiveLevelDb(recorded, rate), ActiveLevelDb(own, rate), 1.0)
                << file << " " << InventoryName(sound.id);
        }
    }
}

}  // namespace
}  // namespace voicebuild

#endif
