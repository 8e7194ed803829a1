// The section of context recordings: both voice layouts that keep whole
// voices load with and without it, a damaged section is refused on its own
// (the patterns still load), and replacing it leaves every other byte.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "model/allophone_ids.h"
#include "model/context_sounds.h"
#include "platform/codepage.h"
#include "soundfile/byte_order.h"
#include "soundfile/context_section.h"
#include "soundfile/sound_file_io.h"
#include "soundfile/voice_loader.h"
#include "soundfile/voice_records.h"
#include "voice_fixture.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Two recordings that fit the test voice: "a" (120 samples) before "t", and
// "b" (200 samples) after silence.
std::vector<SContextRecording> FittingRecordings() {
    return {{allophone::kA, kContextAny, allophone::kT, TestTone(120, 0.2, 7000)},
            {allophone::kB, kContextSilence, kContextAny, TestTone(200, 0.04, 15000)}};
}

class ContextSectionTest : public ::testing::TestWithParam<SVoiceLayout> {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vokrant-ctx-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = (fs::path(dir_) / "voice.als").string();
        SAlfPattArr store;
        BuildTestVoice(store);
        WriteVoiceFile(path_, store, GetParam());
        plain_ = ReadBytes(path_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Loads the file as the engine does; the refusal, if any, in `problem`.
    void Load(SAlfPattArr& store, std::string& problem) {
        LoadVoice(store, "voice.als", dir_, &problem);
        problem = Cp1250ToUtf8(problem);
    }

    std::string dir_, path_;
    Bytes plain_;
};

TEST_P(ContextSectionTest, AVoiceWithoutTheSectionHasNoContextRecordings) {
    SAlfPattArr store;
    std::string problem;
    Load(store, problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(store.contextSounds.Count(), 0);
    EXPECT_NE(store.PatternAt(allophone::kA), nullptr);
}

TEST_P(ContextSectionTest, TheSectionLoadsBesideThePatterns) {
    ReplaceContextSection(path_, FittingRecordings());
    SAlfPattArr store;
    std::string problem;
    Load(store, problem);
    EXPECT_EQ(problem, "");
    ASSERT_EQ(store.contextSounds.Count(), 2);
    const SContextSound& a = store.contextSounds.At(0);
    EXPECT_EQ(a.id, allophone::kA);
    EXPECT_EQ(a.after, allophone::kT);
    EXPECT_EQ(a.samples, FittingRecordings()[0].samples);
    EXPECT_EQ(store.contextSounds.Choose(allophone::kB, 0, allophone::kA), 2);
    // The patterns are those of the file without the section.
    SAlfPattArr expected;
    BuildTestVoice(expected);
    EXPECT_EQ(RenderPattern(*store.PatternAt(allophone::kA)),
              RenderPattern(*expected.PatternAt(allophone::kA)));
}

TEST_P(ContextSectionTest, ReplacingTheSectionKeepsEveryOtherByte) {
    ReplaceContextSection(path_, FittingRecordings());
    const Bytes with = ReadBytes(path_);
    ASSERT_GT(with.size(), plain_.size());
    EXPECT_TRUE(std::equal(plain_.begin() + 8, plain_.end(), with.begin() + 8));
    EXPECT_EQ(LoadLE32(with.data() + 4), with.size() - 8) << "RIFF size";
    ReplaceContextSection(path_, FittingRecordings());
    EXPECT_EQ(ReadBytes(path_), with) << "the same section again: the same file";
    ReplaceContextSection(path_, {});
    EXPECT_EQ(ReadBytes(path_), plain_) << "no recordings: no section";
}

// Each kind of damage is refused with its own reason while the voice loads.
TEST_P(ContextSectionTest, ADamagedSectionIsRefusedAndThePatternsStillLoad) {
    ReplaceContextSection(path_, FittingRecordings());
    const Bytes good = ReadBytes(path_);
    const size_t payload = plain_.size() + 8;  // the section is the last chunk
    auto rehash = [&](Bytes& b) {
        // A hash that matches again, so the damage behind it is what is seen.
        uint32_t hash = 2166136261u;
        for (size_t i = payload; i + 4 < b.size(); ++i) hash = (hash ^ b[i]) * 16777619u;
        StoreLE32(b.data() + b.size() - 4, hash);
    };
    auto wrongLength = [](const std::vector<SContextRecording>& r) {
        auto shorter = r;
        shorter[1].samples.pop_back();
        return shorter;
    };
    const struct {
        const char* name;
        std::function<void(Bytes&)> damage;
        const char* reason;
    } cases[] = {
        {"a flipped sample", [&](Bytes& b) { b[payload + 40] ^= 0x10; }, "zła suma kontrolna"},
        {"a cut-off end", [&](Bytes& b) { b.resize(b.size() - 6); }, "sekcja obcięta"},
        {"an unknown version", [&](Bytes& b) { b[payload] = 7, rehash(b); }, "nieznana wersja"},
        {"a pause as a key",
         [&](Bytes& b) { StoreLE16(b.data() + payload + 12, kAlfPauseInterWord), rehash(b); },
         "zły zapis nr 1"},
        {"a count beyond the records",
         [&](Bytes& b) { StoreLE32(b.data() + payload + 4, 0x7FFFFFFF), rehash(b); },
         "sekcja obcięta"},
        {"a length other than the pattern's",
         [&](Bytes& b) {
             WriteBytes(path_, plain_);
             ReplaceContextSection(path_, wrongLength(FittingRecordings()));
             b = ReadBytes(path_);
         },
         "zapis nr 2 ma 199 próbek, wzorzec 200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = good;
        c.damage(bytes);
        WriteBytes(path_, bytes);
        SAlfPattArr store;
        std::string problem;
        Load(store, problem);
        EXPECT_NE(problem.find(c.reason), std::string::npos) << problem;
        EXPECT_EQ(store.contextSounds.Count(), 0);
        EXPECT_NE(store.PatternAt(allophone::kA), nullptr) << "the voice still speaks";
        EXPECT_NE(store.PatternAt(allophone::kB), nullptr);
    }
}

// The half-rate voice reads its section only when a sound first asks for a
// recording: until then it holds none, then exactly what a load at once
// gives; a section damaged by then leaves the patterns sounding.
TEST_P(ContextSectionTest, ASectionReadOnFirstUseHoldsWhatALoadAtOnceHolds) {
    ReplaceContextSection(path_, FittingRecordings());
    SAlfPattArr store;
    LoadVoice(store, "voice.als", dir_, nullptr, SContextLoading::kOnFirstUse);
    EXPECT_EQ(store.contextSounds.Count(), 0) << "nothing read before a sound asks";
    const std::vector<int16_t> own = RenderPattern(*store.PatternAt(allophone::kA));
    EXPECT_EQ(store.Sounding(allophone::kA, 0).WholeSamples(), own);
    EXPECT_EQ(store.contextSounds.Count(), 0) << "a pattern's own sound reads nothing";
    EXPECT_EQ(store.Sounding(allophone::kA, 1).WholeSamples(), FittingRecordings()[0].samples);
    EXPECT_EQ(store.contextSounds.Count(), 2);

    Bytes damaged = ReadBytes(path_);
    damaged[plain_.size() + 8 + 40] ^= 0x10;
    WriteBytes(path_, damaged);
    SAlfPattArr late;
    LoadVoice(late, "voice.als", dir_, nullptr, SContextLoading::kOnFirstUse);
    EXPECT_EQ(late.Sounding(allophone::kA, 1).WholeSamples(), own);
    EXPECT_EQ(late.contextSounds.Count(), 0);
    EXPECT_NE(late.PatternAt(allophone::kA), nullptr) << "the voice still speaks";
}

INSTANTIATE_TEST_SUITE_P(Layouts, ContextSectionTest,
                         ::testing::Values(SVoiceLayout::kAlof, SVoiceLayout::kSals));

TEST(ContextSectionPayload, RoundTripsItsRecords) {
    const std::vector<SContextRecording> recordings = FittingRecordings();
    EXPECT_EQ(ParseContextSection(ContextSectionPayload(recordings)), recordings);
    EXPECT_TRUE(ParseContextSection(ContextSectionPayload({})).empty());
    EXPECT_THROW(ParseContextSection(Bytes(11, 0)), SException);
}

}  // namespace
