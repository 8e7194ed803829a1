// The synthetic source: carrier plan coverage, the allophone cutter, the
// half-rate resampler and the espeak-ng extraction itself.
#ifdef VOKRANT_HAVE_VOICEBUILD

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "allophone_cut.h"
#include "carrier_plan.h"
#include "core/exceptions.h"
#include "espeak_render.h"
#include "espeak_source.h"
#include "model/inventory.h"
#include "voice_database.h"

namespace voicebuild {
namespace {

std::vector<int16_t> Tone(double hz, int rate, size_t n, double amplitude) {
    std::vector<int16_t> s(n);
    for (size_t i = 0; i < n; ++i)
        s[i] = int16_t(std::lround(amplitude * std::sin(2 * M_PI * hz * double(i) / rate)));
    return s;
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

TEST(CarrierPlan, CoversEveryRecordedNameOnce) {
    std::set<std::string> planned;
    for (const auto& row : PolishCarrierPlan()) {
        EXPECT_TRUE(planned.insert(row.name).second) << "twice: " << row.name;
        EXPECT_GT(InventoryFindByName(row.name), 0) << "not in the inventory: " << row.name;
    }
    for (const auto& name : RecordedNames())
        EXPECT_EQ(planned.count(name), 1u) << "no carrier: " << name;
    EXPECT_EQ(planned.size(), RecordedNames().size());
}

// A carrier "vowel, closure, stop burst, vowel" with hand-made events.
Rendering VowelStopVowel() {
    const int rate = 22050;
    Rendering r;
    r.rate = rate;
    auto vowel = Tone(200, rate, 2205, 8000);  // 100 ms
    std::vector<int16_t> closure(882, 0);      // 40 ms of silence at the end of the vowel's span
    auto burst = Tone(4000, rate, 441, 3000);  // 20 ms
    r.samples = vowel;
    r.samples.insert(r.samples.end(), closure.begin(), closure.end());
    r.samples.insert(r.samples.end(), burst.begin(), burst.end());
    r.samples.insert(r.samples.end(), vowel.begin(), vowel.end());
    r.phonemes = {{"a", 0, 3087}, {"t", 3087, 3528}, {"a#", 3528, r.samples.size()}};
    return r;
}

TEST(AllophoneCut, VowelLosesTheClosureAndStopKeepsIt) {
    Rendering r = VowelStopVowel();
    CutResult vowel = CutAllophone(r, {"a", "", 0, "a", CutKind::kVowel, ""});
    EXPECT_NEAR(double(vowel.samples.size()), 2205.0, 120.0);  // the 40 ms of closure are gone

    CutResult stop = CutAllophone(r, {"t", "", 1, "t", CutKind::kStop, ""});
    EXPECT_LE(stop.start, 3087u - 800u);  // the closure is taken from the vowel's span
    EXPECT_GE(stop.start, 2205u - 40u);   // but nothing of the vowel itself
    EXPECT_NEAR(double(stop.end), 3528.0, 40.0);
    EXPECT_GT(Rms(stop.samples, stop.samples.size() - 300, stop.samples.size()),
              1000.0);  // the burst
}

TEST(AllophoneCut, EdgesAreFadedToNearZero) {
    Rendering r = VowelStopVowel();
    for (const CarrierCut& plan : {CarrierCut{"a", "", 0, "a", CutKind::kVowel, ""},
                                   CarrierCut{"a_", "", 2, "a#", CutKind::kVowel, ""}}) {
        CutResult cut = CutAllophone(r, plan);
        ASSERT_GT(cut.samples.size(), 200u);
        EXPECT_LT(std::abs(cut.samples.front()), 300) << plan.name;
        EXPECT_LT(std::abs(cut.samples.back()), 300) << plan.name;
    }
}

TEST(AllophoneCut, WrongOrMissingPhonemesFail) {
    Rendering r = VowelStopVowel();
    const CarrierCut bad[] = {
        {"e", "", 0, "E", CutKind::kVowel, ""},   // another phoneme there
        {"t", "", 1, "t a", CutKind::kStop, ""},  // the sequence goes on differently
        {"a", "", 5, "a", CutKind::kVowel, ""},   // past the last phoneme
    };
    for (const auto& plan : bad)
        EXPECT_THROW(CutAllophone(r, plan), SExitException) << plan.phonemes;

    Rendering silent = r;
    std::fill(silent.samples.begin(), silent.samples.end(), 0);
    EXPECT_THROW(CutAllophone(silent, {"a", "", 0, "a", CutKind::kVowel, ""}), SExitException);
}

TEST(Resample, HalfRateKeepsTheBandAndRemovesWhatWouldAlias) {
    RecordingSet set;
    set.rate = kNormalRate;
    set.recordings.push_back({"low", Tone(1000, kNormalRate, 4410, 10000), ""});
    set.recordings.push_back({"high", Tone(8000, kNormalRate, 4410, 10000), ""});  // above 5512 Hz
    RecordingSet half = Resample(set, kHalfRate);
    ASSERT_EQ(half.recordings.size(), 2u);
    EXPECT_EQ(half.rate, kHalfRate);
    for (const auto& r : half.recordings)
        EXPECT_NEAR(double(r.samples.size()), 2205.0, 4.0) << r.name;
    const auto& low = half.recordings[0].samples;
    const auto& high = half.recordings[1].samples;
    EXPECT_NEAR(Rms(low, 200, 2000), 10000 / std::sqrt(2.0), 300.0);
    EXPECT_LT(Rms(high, 200, 2000), 30.0);  // would alias to 3025 Hz without the filter
}

TEST(Resample, IsReproducible) {
    RecordingSet set;
    set.rate = kNormalRate;
    set.recordings.push_back({"a", Tone(333, kNormalRate, 3000, 12000), ""});
    EXPECT_EQ(Resample(set, kHalfRate).recordings[0].samples,
              Resample(set, kHalfRate).recordings[0].samples);
}

// The whole synthetic source: every allophone spoken, cut, and within the
// limits a listener expects.
TEST(EspeakSource, EveryAllophoneIsAudibleAndOfAPlausibleLength) {
    RecordingSet set = ExtractFromEspeak();
    EXPECT_EQ(set.rate, kNormalRate);
    EXPECT_TRUE(MissingNames(set).empty());
    for (const auto& r : set.recordings) {
        Level level = MeasureLevel(r.samples, set.rate);
        int id = InventoryFindByName(r.name);
        bool vowel = (InventoryFeatures(id) & AF_VOWEL) != 0;
        EXPECT_GE(level.ms, vowel ? 50.0 : 40.0) << r.name;
        EXPECT_LE(level.ms, vowel ? 200.0 : 160.0) << r.name;
        EXPECT_GT(level.rms_db, -45.0) << r.name << " is nearly silent";
        EXPECT_LE(level.peak_db, kSetPeakDb + 0.01) << r.name;
    }
}

TEST(EspeakSource, RenderingDoesNotDependOnWhatCameBefore) {
    EspeakRenderer espeak;
    Rendering first = espeak.Render("tatatata");
    espeak.Render("szczęście");
    Rendering again = espeak.Render("tatatata");
    EXPECT_EQ(first.samples, again.samples);
    ASSERT_EQ(first.phonemes.size(), again.phonemes.size());
    for (size_t i = 0; i < first.phonemes.size(); ++i)
        EXPECT_EQ(first.phonemes[i].start, again.phonemes[i].start);
}

}  // namespace
}  // namespace voicebuild

#endif
