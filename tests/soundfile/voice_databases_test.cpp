// The voice database layouts: round trips of a small voice, the layouts'
// edge cases, and damaged files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "platform/codepage.h"
#include "riff_builder.h"
#include "soundfile/alof_file_format.h"
#include "soundfile/format_detector.h"
#include "soundfile/sals_file_format.h"
#include "soundfile/salu_file_format.h"
#include "soundfile/steps_file_format.h"
#include "soundfile/swav_file_format.h"
#include "soundfile/ulaw_codec.h"
#include "soundfile/voice_records.h"
#include "voice_fixture.h"

namespace {

// Loads the bytes as the engine would once the version is checked.
std::string LoadMessage(const std::vector<uint8_t>& bytes, SAlfPattArr& store,
                        int* formatId = nullptr) {
    SMemoryFile file(bytes);
    std::unique_ptr<SSndFileFormat> format = DetectFormat(&file);
    if (!format) return "no format";
    if (formatId) *formatId = format->FormatId();
    try {
        format->LoadPatterns(store);
    } catch (const SExitException& e) {
        EXPECT_EQ(e.GetCode(), -1);
        return Cp1250ToUtf8(e.GetMessage());
    }
    return "";
}

std::vector<uint8_t> Info(const char* name, uint16_t id, uint16_t features, int size = 12,
                          uint32_t maxe = 0) {
    RiffBuilder b;
    std::string padded(name);
    padded.resize(8, '\0');
    b.Raw(padded).U16(id).U16(features);
    if (size == 16) b.U32(maxe);
    return b.Bytes();
}

std::vector<uint8_t> SampleBytes(int count) {
    RiffBuilder b;
    for (int i = 0; i < count; ++i) b.U16(static_cast<uint16_t>(i * 300));
    return b.Bytes();
}

void ExpectSameCurve(const SAlofonPatt& a, const SAlofonPatt& b) {
    ASSERT_EQ(a.GetSize(), b.GetSize());
    EXPECT_EQ(0, std::memcmp(a.GetData(), b.GetData(), sizeof(SSplineSegment) * a.GetSize()));
    EXPECT_EQ(a.first, b.first);
    EXPECT_EQ(a.end, b.end);
}

}  // namespace

TEST(VoiceDatabases, SalsRoundTripIsExact) {
    SAlfPattArr voice;
    BuildTestVoice(voice);
    SMemoryFile file;
    SSplAlsFileFormat(&file).WriteDatabase(voice);

    SAlfPattArr loaded;
    int formatId = 0;
    ASSERT_EQ(LoadMessage(file.Bytes(), loaded, &formatId), "");
    EXPECT_EQ(formatId, kFormatSplAls);
    for (int id : {1, 2, 3, 49}) {
        SCOPED_TRACE(id);
        const SAlofonPatt* original = voice.PatternAt(id);
        const SAlofonPatt* back = loaded.PatternAt(id);
        ASSERT_NE(back, nullptr);
        ExpectSameCurve(*original, *back);
        EXPECT_EQ(back->format, original->format);
        EXPECT_EQ(back->maxe, original->maxe);
        EXPECT_EQ(back->features, InventoryFeatures(id));
        EXPECT_EQ(back->Name(), InventoryName(id));
        EXPECT_EQ(RenderPattern(*back), RenderPattern(*original));
    }
    EXPECT_EQ(loaded.PatternAt(4), nullptr);
}

TEST(VoiceDatabases, SaluRoundTripKeepsKnotsAndSoundWithinMuLaw) {
    SAlfPattArr voice;
    BuildTestVoice(voice);
    SMemoryFile file;
    SAluFileFormat(&file).WriteDatabase(voice);

    SAlfPattArr loaded;
    int formatId = 0;
    ASSERT_EQ(LoadMessage(file.Bytes(), loaded, &formatId), "");
    EXPECT_EQ(formatId, kFormatAlu);
    for (int id : {1, 2, 3, 49}) {
        SCOPED_TRACE(id);
        const SAlofonPatt& original = *voice.PatternAt(id);
        const SAlofonPatt* back = loaded.PatternAt(id);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->Name(), InventoryName(id));
        EXPECT_EQ(back->end, original.end);
        EXPECT_EQ(back->format, original.format);
        // Segments up to 30 samples keep their layout; id 3's 40 comes back
        // as 30 + 10.
        int expectedSegments = id == 3 ? 5 : original.GetSize();
        ASSERT_EQ(back->GetSize(), expectedSegments);
        std::vector<int16_t> a = RenderPattern(original);
        std::vector<int16_t> b = RenderPattern(*back);
        ASSERT_EQ(a.size(), b.size());
        // At the knots the curve passes through the mu-law decoded sample.
        for (const SSplineSegment& s : static_cast<const SSplineSegments&>(*back))
            EXPECT_EQ(s.c0, ULawDecode(ULawEncode(a[static_cast<size_t>(s.start)]))) << s.start;
        double error = 0, energy = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            error += (a[i] - b[i]) * double(a[i] - b[i]);
            energy += a[i] * double(a[i]);
        }
        // Tones sampled one segment per sample stay within mu-law noise; the
        // re-split knot pattern within a few per cent.
        EXPECT_LT(error, energy * (id == 3 ? 0.05 : 0.002));
    }
}

TEST(VoiceDatabases, AlofRoundTripFromRecordingsIsLossless) {
    SAlfPattArr voice;
    BuildTestVoice(voice);
    SMemoryFile file;
    SAlofFileFormat(&file).WriteDatabase(voice);

    SAlfPattArr loaded;
    ASSERT_EQ(LoadMessage(file.Bytes(), loaded), "");
    for (int id : {1, 2, 49}) {
        SCOPED_TRACE(id);
        const SAlofonPatt* back = loaded.PatternAt(id);
        ASSERT_NE(back, nullptr);
        ExpectSameCurve(*voice.PatternAt(id), *back);
        EXPECT_EQ(back->features, InventoryFeatures(id));
    }
    // The knot pattern is stored as its rendered samples.
    EXPECT_EQ(RenderPattern(*loaded.PatternAt(3)), RenderPattern(*voice.PatternAt(3)));
}

TEST(VoiceDatabases, AlofDataSizes) {
    const struct {
        int bytes;
        int segments;
        int end;
    } cases[] = {{10, 0, 0}, {12, 0, 0}, {16, 8, 8}, {0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        std::vector<uint8_t> bytes = RiffBuilder()
                                         .Riff("ALOF")
                                         .Version(1, 1, 2, 3)
                                         .Fmt()
                                         .Chunk("data", SampleBytes(c.bytes / 2))
                                         .Chunk("info", Info("a", 1, 4))
                                         .Finish();
        SAlfPattArr store;
        ASSERT_EQ(LoadMessage(bytes, store), "");
        ASSERT_NE(store.PatternAt(1), nullptr);
        EXPECT_EQ(store.PatternAt(1)->GetSize(), c.segments);
        EXPECT_EQ(store.PatternAt(1)->end, c.end);
        EXPECT_EQ(store.PatternAt(1)->Name(), "a");
    }
}

TEST(VoiceDatabases, LaterPatternWithTheSameIdTakesTheSlot) {
    std::vector<uint8_t> bytes = RiffBuilder()
                                     .Riff("ALOF")
                                     .Fmt()
                                     .Chunk("data", SampleBytes(8))
                                     .Chunk("info", Info("first", 5, 1))
                                     .Chunk("data", SampleBytes(9))
                                     .Chunk("info", Info("second", 5, 2))
                                     .Finish();
    SAlfPattArr store;
    ASSERT_EQ(LoadMessage(bytes, store), "");
    ASSERT_EQ(store.GetSize(), 6);
    EXPECT_EQ(store.PatternAt(5)->Name(), "second");
    EXPECT_EQ(store.PatternAt(5)->end, 9);
}

TEST(VoiceDatabases, StepBytes) {
    const struct {
        std::vector<uint8_t> steps;
        uint32_t count;
        std::vector<int> lengths;
    } cases[] = {
        {{255, 255, 3}, 1, {513}},
        {{0}, 1, {0}},
        {{5, 255, 0, 7}, 3, {5, 255, 7}},
        {{}, 0, {}},
    };
    for (const auto& c : cases) {
        RiffBuilder b;
        b.Raw("step").U32(8 + static_cast<uint32_t>(c.steps.size())).U32(42).U32(c.count);
        for (uint8_t s : c.steps) b.U8(s);
        SMemoryFile file(b.Finish());
        SAlofonPatt pattern;
        SStepsFileFormat(&file).ReadPattern(pattern, 0);
        EXPECT_EQ(pattern.maxe, 42u);
        ASSERT_EQ(pattern.GetSize(), static_cast<int>(c.lengths.size()));
        int start = 0;
        for (int i = 0; i < pattern.GetSize(); ++i) {
            EXPECT_EQ(pattern[i].start, start);
            EXPECT_EQ(pattern[i].length, c.lengths[static_cast<size_t>(i)]);
            start += c.lengths[static_cast<size_t>(i)];
        }
    }
}

TEST(VoiceDatabases, StepWriterSplitsLongSegments) {
    SAlofonPatt pattern;
    int start = 0;
    for (int length : {30, 31, 61, 0, 90}) {
        pattern.Add(SSplineSegment{start, static_cast<uint16_t>(length), 0, {}, {}, {}});
        start += length;
    }
    pattern.maxe = 9;
    SMemoryFile file;
    file.Write("xy", 2);  // the chunk need not start the file
    SStepsFileFormat(&file).WritePattern(&pattern);
    const std::vector<uint8_t> expected = {30, 30, 1, 30, 30, 1, 0, 30, 30, 30};
    const std::vector<uint8_t>& b = file.Bytes();
    ASSERT_EQ(b.size(), 2 + 16 + expected.size());
    EXPECT_EQ(ReadLE32At(b, 6), 8 + expected.size());
    EXPECT_EQ(ReadLE32At(b, 10), 9u);
    EXPECT_EQ(ReadLE32At(b, 14), expected.size());
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 18, b.end()), expected);

    SAlofonPatt back;
    SStepsFileFormat(&file).ReadPattern(back, 2);
    ASSERT_EQ(back.GetSize(), 10);
    EXPECT_EQ(back[9].start + back[9].length, start);
}

TEST(VoiceDatabases, SwavWritesAllButTheClosingRecord) {
    SAlfPattArr voice;
    BuildTestVoice(voice);
    const SAlofonPatt& original = *voice.PatternAt(3);
    SMemoryFile file;
    SSplWavFileFormat(&file).WritePattern(&original);
    SSplWavFileFormat reader(&file);
    ASSERT_TRUE(reader.Probe());
    ASSERT_EQ(DetectFormat(&file)->FormatId(), kFormatSplWav);
    SAlofonPatt back;
    reader.ReadPattern(back, 0);
    ASSERT_EQ(back.GetSize(), original.GetSize());
    EXPECT_EQ(0, std::memcmp(back.GetData(), original.GetData(), 20 * (original.GetSize() - 1)));
    const SSplineSegment& closing = back[back.GetSize() - 1];
    EXPECT_EQ(closing.start, 57);
    EXPECT_EQ(closing.length, 1);
    EXPECT_EQ(back.end, 58);
    EXPECT_EQ(back.maxe, 77u);
    EXPECT_EQ(back.format, original.format);

    SAlofonPatt single;
    single.Add(SSplineSegment{0, 5, 100, {}, {}, {}});
    SMemoryFile one;
    SSplWavFileFormat(&one).WritePattern(&single);
    EXPECT_EQ(ReadLE32At(one.Bytes(), one.Bytes().size() - 4), 0u);  // C = 0, no records
    SAlofonPatt empty;
    SSplWavFileFormat(&one).ReadPattern(empty, 0);
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_EQ(empty.end, 0);
}

TEST(VoiceDatabases, LayoutErrors) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* raises;
    } cases[] = {
        {"alof info 16", RiffBuilder().Riff("ALOF").Chunk("info", Info("a", 1, 0, 16)).Finish(),
         "niewłaściwa długość bloku 'info'"},
        {"alof fmt 18", RiffBuilder().Riff("ALOF").Chunk("fmt ", std::vector<uint8_t>(18)).Finish(),
         "niewłaściwa długość bloku 'fmt '"},
        {"alof data lies",
         RiffBuilder().Riff("ALOF").ChunkHeader("data", 0x7FFFFFF0).U32(0).Finish(),
         "błąd odczytu"},
        {"alof info cut", RiffBuilder().Riff("ALOF").ChunkHeader("info", 12).U32(0).Finish(),
         "błąd odczytu"},
        {"alof too long",
         RiffBuilder().Riff("ALOF").Chunk("data", std::vector<uint8_t>(70000)).Finish(),
         "za długi alofon: 35000 próbek"},
        {"sals version", RiffBuilder().Riff("SALS").Version(1, 6, 2, 3).Finish(),
         "błędna wersja alofonów."},
        {"sals info 12", RiffBuilder().Riff("SALS").Chunk("info", Info("a", 1, 0)).Finish(),
         "niewłaściwa długość bloku 'info'"},
        {"sals count lies",
         RiffBuilder().Riff("SALS").Chunk("data", {0xFF, 0xFF, 0xFF, 0x0F}).Finish(),
         "błąd odczytu"},
        {"sals count cut", RiffBuilder().Riff("SALS").Chunk("data", {1, 0}).Finish(),
         "błąd odczytu"},
        {"sals gap",
         RiffBuilder()
             .Riff("SALS")
             .Chunk("info", Info("a", 1, 0, 16))
             .Raw("data")
             .U32(44)
             .U32(2)
             .U32(0)
             .U16(5)
             .Raw(std::string(14, '\0'))
             .U32(6)
             .U16(5)
             .Raw(std::string(14, '\0'))
             .Finish(),
         "niespójne segmenty alofonu"},
        {"salu stps without step",
         RiffBuilder().Riff("SALU").Chunk("stps", {1, 2, 3, 4, 5, 6, 7, 8}).Finish(),
         "brak oczekiwanego chunka 'step'"},
        {"salu steps beyond sound",
         RiffBuilder()
             .Riff("SALU")
             .Raw("stps")
             .U32(17)
             .Raw("step")
             .U32(9)
             .U32(0)
             .U32(1)
             .U8(5)
             .Finish(),
         "kroki wykraczające poza nagranie"},
        {"salu step count lies",
         RiffBuilder()
             .Riff("SALU")
             .Raw("stps")
             .U32(16)
             .Raw("step")
             .U32(8)
             .U32(0)
             .U32(0xFFFFFFFF)
             .Finish(),
         "błąd odczytu"},
        {"salu snd lies",
         RiffBuilder()
             .Riff("SALU")
             .Raw("data")
             .U32(28)
             .Raw(".snd")
             .BE32(28)
             .BE32(1000)
             .BE32(1)
             .BE32(8000)
             .BE32(1)
             .BE32(0)
             .Finish(),
         "błąd odczytu"},
        {"salu info 16", RiffBuilder().Riff("SALU").Chunk("info", Info("a", 1, 0, 16)).Finish(),
         "niewłaściwa długość bloku 'info'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SAlfPattArr store;
        EXPECT_EQ(LoadMessage(c.bytes, store), c.raises);
    }
}

TEST(VoiceDatabases, PadBytesAreMisreadAndTheRestIsLost) {
    // An odd "data" payload followed by a pad byte: the "info" header is then
    // read one byte late and never recognised.
    std::vector<uint8_t> bytes = RiffBuilder()
                                     .Riff("ALOF")
                                     .Fmt()
                                     .Chunk("data", std::vector<uint8_t>(17, 1))
                                     .U8(0)
                                     .Chunk("info", Info("a", 1, 4))
                                     .Finish();
    SAlfPattArr store;
    EXPECT_EQ(LoadMessage(bytes, store), "");
    EXPECT_EQ(store.PatternAt(1), nullptr);
}

TEST(VoiceDatabases, DetectionOrder) {
    const struct {
        std::vector<uint8_t> bytes;
        int id;
    } cases[] = {
        {RiffBuilder().Riff("WAVE").Finish(), kFormatWav},
        {RiffBuilder().Riff("ALOF").Finish(), kFormatAlof},
        {RiffBuilder().Riff("SWAV").Finish(), kFormatSplWav},
        {RiffBuilder().Riff("SALS").Finish(), kFormatSplAls},
        {RiffBuilder().Raw(".snd").BE32(28).BE32(0).BE32(1).BE32(8000).BE32(1).BE32(0).Finish(),
         kFormatNeXT},
        {RiffBuilder().Riff("SALU").Finish(), kFormatAlu},
        {RiffBuilder().Riff("step").Finish(), 0},
        {RiffBuilder().Raw("RIFF").U32(0).Finish(), 0},
        {{}, 0},
    };
    for (const auto& c : cases) {
        SMemoryFile file(c.bytes);
        std::unique_ptr<SSndFileFormat> format = DetectFormat(&file);
        EXPECT_EQ(format ? format->FormatId() : 0, c.id);
    }
}

TEST(VoiceDatabases, TruncatedFilesOfEveryLayoutFailCleanly) {
    SAlfPattArr voice;
    BuildTestVoice(voice);
    SMemoryFile alof, sals, salu;
    SAlofFileFormat(&alof).WriteDatabase(voice);
    SSplAlsFileFormat(&sals).WriteDatabase(voice);
    SAluFileFormat(&salu).WriteDatabase(voice);
    for (const SMemoryFile* whole : {&alof, &sals, &salu}) {
        const std::vector<uint8_t>& bytes = whole->Bytes();
        int loadedCompletely = 0;
        for (size_t length = 0; length < bytes.size(); length += 3) {
            SAlfPattArr store;
            std::string message =
                LoadMessage(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length), store);
            if (message.empty()) ++loadedCompletely;
            // Whatever was read, every stored pattern is one the synthesis can read.
            for (int id = 0; id < store.GetSize(); ++id)
                if (const SAlofonPatt* p = store.PatternAt(id)) {
                    ASSERT_LE(p->end, kMaxPatternSamples);
                    RenderPattern(*p);
                }
        }
        EXPECT_LT(loadedCompletely, static_cast<int>(bytes.size() / 3));
    }
}
