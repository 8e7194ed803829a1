// Wave and ".snd" files: headers, write-and-read-back for every format and
// encoding, and damaged files.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "model/wave.h"
#include "platform/codepage.h"
#include "riff_builder.h"
#include "soundfile/next_file_format.h"
#include "soundfile/sound_messages.h"
#include "soundfile/ulaw_codec.h"
#include "soundfile/wav_file_format.h"

namespace {

SWave MakeWave(int count, uint32_t rate = 22050) {
    std::vector<int16_t> samples(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        samples[static_cast<size_t>(i)] = static_cast<int16_t>((i * 7919) % 65536 - 32768);
    SWave wave;
    wave.SetFromSamples(samples.data(), count, SPcmFormat{1, 1, rate, 2 * rate, 2, 16});
    return wave;
}

// Runs f and returns the message it raised as UTF-8 ("" when it did not).
template <typename F>
std::string RaisedMessage(F f) {
    try {
        f();
    } catch (const SException& e) {
        return Cp1250ToUtf8(e.GetMessage());
    }
    return "";
}

}  // namespace

TEST(WaveHeader, PcmAndMuLawSizes) {
    SMemoryFile pcm;
    EXPECT_EQ(SWavFileFormat(&pcm).WriteHeader(100, SSndFormat{1, 1, 3, 22050}), 200);
    const std::vector<uint8_t>& p = pcm.Bytes();
    ASSERT_EQ(p.size(), 44u);
    EXPECT_EQ(ReadLE32At(p, 4), 236u);
    EXPECT_EQ(ReadLE32At(p, 16), 16u);
    EXPECT_EQ(ReadLE32At(p, 28), 44100u);
    EXPECT_EQ(ReadLE16At(p, 32), 2);
    EXPECT_EQ(ReadLE16At(p, 34), 16);
    EXPECT_EQ(ReadLE32At(p, 40), 200u);

    SMemoryFile ulaw;
    EXPECT_EQ(SWavFileFormat(&ulaw).WriteHeader(100, SSndFormat{1, 10, 3, 8000}), 100);
    const std::vector<uint8_t>& u = ulaw.Bytes();
    ASSERT_EQ(u.size(), 46u);
    EXPECT_EQ(ReadLE32At(u, 4), 138u);
    EXPECT_EQ(ReadLE32At(u, 16), 18u);
    EXPECT_EQ(ReadLE16At(u, 20), 7);
    EXPECT_EQ(ReadLE16At(u, 36), 0);  // extra size
    EXPECT_EQ(std::string(u.begin() + 38, u.begin() + 42), "data");
    EXPECT_EQ(ReadLE32At(u, 42), 100u);
}

TEST(WaveHeader, UnsupportedFormatsAreRefused) {
    const std::pair<SSndFormat, const char*> cases[] = {
        {{1, 1, 6, 22050}, " niezaimplementowana dynamika dla PCM"},
        {{1, 1, 7, 22050}, " niezaimplementowana dynamika dla PCM"},
        {{1, 2, 3, 22050}, " niezaimplementowana kompresja"},
        {{1, 13, 3, 22050}, " niezaimplementowana kompresja"},
    };
    for (const auto& [format, message] : cases) {
        SMemoryFile file;
        SWavFileFormat wav(&file);
        EXPECT_EQ(RaisedMessage([&] { wav.WriteHeader(10, format); }), message);
    }
}

TEST(WaveFormats, SetFormatsPicksCodecAndConverter) {
    struct Case {
        int compression, sampleType;
        const char* raises;
        bool codec, converter;
    } cases[] = {
        {0, 3, "", false, false},
        {4, 0, "", false, true},
        {65534, 3, "", false, false},
        {10, 0, "", true, false},
        {12, 1, "", false, true},
        {13, 3, "", false, false},
        {2, 3, " brak implementacji kompresji DviAdpcm", false, false},
        {3, 3, " brak implementacji kompresji MsAdpcm", false, false},
        {11, 3, " brak implementacji kompresji ALaw8", false, false},
    };
    for (const Case& c : cases) {
        SMemoryFile file;
        SWavFileFormat wav(&file);
        SSndFormat target{1, c.compression, c.sampleType, 22050};
        EXPECT_EQ(RaisedMessage([&] { wav.SetFormats(SSndFormat{}, target); }), c.raises);
        if (*c.raises) continue;
        EXPECT_EQ(wav.Codec() != nullptr, c.codec) << c.compression;
        EXPECT_EQ(wav.Converter() != nullptr, c.converter) << c.compression;
        if (c.compression == 0 || c.compression == 4 || c.compression == 65534) {
            EXPECT_EQ(wav.FileFormat().compression, 1);
        }
    }
}

TEST(WaveFiles, WriteAndReadBackEverySampleType) {
    const SWave original = MakeWave(101, 16000);
    struct Case {
        int sampleType;
        int bytesPerSample;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sampleType);
        SMemoryFile file;
        SWavFileFormat writer(&file);
        SSndFormat format{1, 1, c.sampleType, 16000};
        writer.WriteSound(original, &format);
        ASSERT_EQ(file.GetLength(), 44 + 101 * c.bytesPerSample);

        SWavFileFormat reader(&file);
        ASSERT_TRUE(reader.Probe());
        SWave back;
        reader.ReadSound(back, 12);
        ASSERT_EQ(back.SampleCount(), 101);
        EXPECT_EQ(back.format.bitsPerSample, 16);
        EXPECT_EQ(back.format.samplesPerSec, 16000u);
        for (int i = 0; i < 101; ++i) {
            int16_t s = original.Samples()[i];
            int16_t expected = c.sampleType == 0 ? static_cast<int16_t>(s & ~0xFF)
                               : c.sampleType == 3
                                   ? s
                                   : back.Samples()[i];  // stored in a foreign sense
            ASSERT_EQ(back.Samples()[i], expected) << i;
        }
    }
}

TEST(WaveFiles, MuLawWaveHoldsOneCodeWordPerSample) {
    const SWave original = MakeWave(100);
    SMemoryFile file;
    SSndFormat format{1, 10, 3, 22050};
    SWavFileFormat(&file).WriteSound(original, &format);
    const std::vector<uint8_t>& b = file.Bytes();
    ASSERT_EQ(b.size(), 46u + 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(b[46 + i], ULawEncode(original.Samples()[i]));
    // Our reader takes only the 16-byte PCM record.
    SWave back;
    EXPECT_EQ(RaisedMessage([&] { SWavFileFormat(&file).ReadSound(back, 12); }),
              "niewłaściwa długość bloku 'fmt '");
}

TEST(WaveFiles, FinishFilePatchesBothSizes) {
    // Written with a header for no samples, then samples appended: the sizes
    // must follow the length, wherever the "data" size sits.
    const std::pair<SSndFormat, uint32_t> cases[] = {{{1, 1, 3, 22050}, 44},
                                                     {{1, 10, 3, 22050}, 46}};
    for (const auto& [format, header] : cases) {
        SMemoryFile file;
        SWavFileFormat wav(&file);
        wav.WriteHeader(0, format);
        std::vector<uint8_t> samples(30, 1);
        file.Write(samples.data(), 30);
        wav.FinishFile();
        EXPECT_EQ(ReadLE32At(file.Bytes(), 4), header + 30 - 8);
        EXPECT_EQ(ReadLE32At(file.Bytes(), header - 4), 30u);
        EXPECT_EQ(std::string(file.Bytes().begin() + header - 8, file.Bytes().begin() + header - 4),
                  "data");
    }
}

TEST(WaveFiles, DamagedFiles) {
    const std::vector<uint8_t> fmt16 = RiffBuilder().Fmt().Bytes();
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* raises;
        int samples;
    } cases[] = {
        {"no fmt", RiffBuilder().Riff("WAVE").Chunk("data", {1, 2}).Finish(), "brak bloku 'fmt '",
         0},
        {"fmt of 18", RiffBuilder().Riff("WAVE").Chunk("fmt ", std::vector<uint8_t>(18)).Finish(),
         "niewłaściwa długość bloku 'fmt '", 0},
        {"fmt cut short", RiffBuilder().Riff("WAVE").ChunkHeader("fmt ", 16).U32(0).Finish(),
         "błąd odczytu", 0},
        {"24 bits", RiffBuilder().Riff("WAVE").Fmt(22050, 24).Chunk("data", {1, 2, 3}).Finish(),
         " 'wBitsPerSample' różne od 8 i 16.", 0},
        {"data lies",
         RiffBuilder().Riff("WAVE").Fmt().ChunkHeader("data", 0xFFFFFFF0).U16(5).U16(6).Finish(),
         "", 2},
        {"two data",
         RiffBuilder()
             .Riff("WAVE")
             .Fmt()
             .Chunk("data", {1, 0})
             .Chunk("data", {2, 0, 3, 0})
             .Finish(),
         "", 1},
        // The odd chunk's pad byte is read as the first byte of the next id,
        // so the "data" chunk is never found.
        {"pad byte",
         RiffBuilder().Riff("WAVE").Fmt().Chunk("odd ", {9}).U8(0).Chunk("data", {1, 0}).Finish(),
         "", 0},
        {"no data", RiffBuilder().Riff("WAVE").Fmt().Finish(), "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SMemoryFile file(c.bytes);
        SWavFileFormat wav(&file);
        ASSERT_TRUE(wav.Probe());
        SWave wave;
        EXPECT_EQ(RaisedMessage([&] { ReadSoundNumber(wav, wave, 0); }), c.raises);
        if (!*c.raises) {
            EXPECT_EQ(wave.SampleCount(), c.samples);
        }
    }
}

TEST(WaveFiles, EightBitReadsAsSigned16WithAConsistentRecord) {
    SMemoryFile file(
        RiffBuilder().Riff("WAVE").Fmt(11025, 8).Chunk("data", {0, 128, 255}).Finish());
    SWave wave;
    SWavFileFormat(&file).ReadSound(wave, 12);
    ASSERT_EQ(wave.SampleCount(), 3);
    EXPECT_EQ(wave.Samples()[0], -32768);
    EXPECT_EQ(wave.Samples()[1], 0);
    EXPECT_EQ(wave.Samples()[2], 127 * 256);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.blockAlign, 2);
    EXPECT_EQ(wave.format.avgBytesPerSec, 22050u);
}

// RF64 (a wave file past 4 GB) states its sizes in "ds64"; the 32-bit sizes
// say 0xFFFFFFFF. The reader takes the data size from "ds64", and still
// never reads past what the file holds; a RIFF file with the streaming size
// reads to its end.
TEST(WaveFiles, Rf64TakesTheDataSizeFromDs64) {
    auto rf64 = [](uint64_t stated, const std::vector<uint8_t>& samples) {
        RiffBuilder ds64;
        ds64.U32(0)
            .U32(0)
            .U32(static_cast<uint32_t>(stated))
            .U32(static_cast<uint32_t>(stated >> 32));
        ds64.U32(static_cast<uint32_t>(stated / 2)).U32(0).U32(0);
        RiffBuilder b;
        b.Raw("RF64")
            .U32(0xFFFFFFFF)
            .Raw("WAVE")
            .Chunk("ds64", ds64.Bytes())
            .Fmt()
            .ChunkHeader("data", 0xFFFFFFFF);
        for (uint8_t v : samples) b.U8(v);
        return b.Finish();
    };
    const std::vector<uint8_t> pcm = {1, 0, 2, 0, 3, 0, 4, 0};
    struct SCase {
        std::vector<uint8_t> bytes;
        int samples;
    } cases[] = {
        {rf64(8, pcm), 4},
        {rf64(4, pcm), 2},                  // the sound ends before the file
        {rf64(uint64_t{5} << 30, pcm), 4},  // a sound of 5 GB, cut short
        {RiffBuilder()
             .Riff("WAVE")
             .Fmt()
             .ChunkHeader("data", 0xFFFFFFFF)
             .Raw(std::string(6, '\x07'))
             .Finish(),
         3},
    };
    for (const SCase& c : cases) {
        SMemoryFile file(c.bytes);
        SWavFileFormat format(&file);
        ASSERT_TRUE(format.Probe()) << c.samples;
        SWave wave;
        format.ReadSound(wave, 12);
        ASSERT_EQ(wave.SampleCount(), c.samples);
        EXPECT_EQ(wave.format.samplesPerSec, 22050u);
        if (c.bytes[0] == 'R' && c.bytes[1] == 'F') {
            for (int i = 0; i < c.samples; ++i) EXPECT_EQ(wave.Samples()[i], i + 1);
        }
    }
}

TEST(SndFiles, HeaderAndMuLawRoundTrip) {
    const SWave original = MakeWave(50, 11025);
    SMemoryFile file;
    SNeXTFileFormat(&file).WriteSound(original);
    const std::vector<uint8_t>& b = file.Bytes();
    ASSERT_EQ(b.size(), 28u + 50u);
    const uint8_t header[28] = {'.', 's', 'n', 'd', 0,    0,    0, 28, 0, 0, 0, 50, 0, 0,
                                0,   1,   0,   0,   0x2B, 0x11, 0, 0,  0, 1, 0, 0,  0, 0};
    EXPECT_TRUE(std::equal(header, header + 28, b.begin()));

    SNeXTFileFormat reader(&file);
    ASSERT_TRUE(reader.Probe());
    SWave back;
    ReadSoundNumber(reader, back, 0);
    ASSERT_EQ(back.SampleCount(), 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(back.Samples()[i], ULawDecode(ULawEncode(original.Samples()[i])));
    EXPECT_EQ(back.format, (SPcmFormat{1, 1, 11025, 22050, 2, 16}));
}

TEST(SndFiles, OtherEncodingsWriteWhatTheHeaderPromises) {
    const SWave original = MakeWave(20);
    const std::pair<int, const char*> cases[] = {
        {12, "brak implementacji SND_FORMAT_LINEAR_8"},
        {13, "brak implementacji SND_FORMAT_LINEAR_16"},
    };
    for (const auto& [compression, raises] : cases) {
        SMemoryFile file;
        SSndFormat format{5, compression, 3, 22050};
        SNeXTFileFormat(&file).WriteSound(original, &format);
        int bytes = compression == 13 ? 40 : 20;
        ASSERT_EQ(file.GetLength(), 28 + bytes);
        EXPECT_EQ(file.Bytes()[11], bytes);
        SWave back;
        EXPECT_EQ(RaisedMessage([&] { SNeXTFileFormat(&file).ReadSound(back, 0); }), raises);
    }
    SMemoryFile file;
    SSndFormat pcm{5, 1, 3, 22050};
    EXPECT_EQ(RaisedMessage([&] { SNeXTFileFormat(&file).WriteSound(original, &pcm); }),
              "nieznany typ kompresji");
    EXPECT_EQ(RaisedMessage([&] { SNeXTFileFormat(&file).WriteHeader(1, pcm); }),
              "niewłaściwy format kodowania");
}

TEST(SndFiles, ProbeAndDamagedFiles) {
    auto snd = [](uint32_t offset, uint32_t size, uint32_t encoding, uint32_t channels,
                  int payload) {
        RiffBuilder b;
        b.Raw(".snd").BE32(offset).BE32(size).BE32(encoding).BE32(8000).BE32(channels).BE32(0);
        for (int i = 0; i < payload; ++i) b.U8(static_cast<uint8_t>(i));
        return b.Finish();
    };
    std::vector<uint8_t> shortHeader = snd(28, 4, 1, 1, 0);
    shortHeader.pop_back();
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool probes;
        const char* raises;
        int samples;
    } cases[] = {
        {"good", snd(28, 4, 1, 1, 4), true, "", 4},
        {"two channels", snd(28, 4, 1, 2, 4), false, "", 4},
        {"encoding 4", snd(28, 4, 4, 1, 4), false, "", 0},
        {"short header", shortHeader, false, "błąd odczytu", 0},
        {"size lies", snd(28, 0xFFFFFF00, 1, 1, 4), true, "błąd odczytu", 0},
        {"offset lies", snd(0xFFFFFFFF, 4, 1, 1, 4), true, "błąd odczytu", 0},
        {"offset skips", snd(30, 2, 1, 1, 4), true, "", 2},
        {"truncated", snd(28, 5, 1, 1, 4), true, "błąd odczytu", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SMemoryFile file(c.bytes);
        SNeXTFileFormat format(&file);
        EXPECT_EQ(format.Probe(), c.probes);
        SWave wave;
        EXPECT_EQ(RaisedMessage([&] { format.ReadSound(wave, 0); }), c.raises);
        if (!*c.raises) {
            EXPECT_EQ(wave.SampleCount(), c.samples);
        }
    }
}

TEST(SndFiles, CodecAndConverterTogetherAreRefused) {
    SMemoryFile file;
    SNeXTFileFormat snd(&file);
    snd.SetFormats(SSndFormat{}, SSndFormat{5, 10, 0, 8000});
    int16_t samples[2] = {1, 2};
    EXPECT_EQ(RaisedMessage([&] { snd.WriteSamples(samples, 4); }), "Internal: codec & convert");
}
