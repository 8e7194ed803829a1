// The chunk walk, the "VER " and "fmt " blocks, and sound numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exceptions.h"
#include "model/wave.h"
#include "platform/codepage.h"
#include "riff_builder.h"
#include "soundfile/wav_file_format.h"

namespace {

std::string VersionMessage(const std::vector<uint8_t>& bytes, SVersion* out = nullptr) {
    SMemoryFile file(bytes);
    SWavFileFormat format(&file);
    try {
        SVersion version;
        format.ReadVersion(version);
        if (out) *out = version;
    } catch (const SExitException& e) {
        EXPECT_EQ(e.GetCode(), -1);
        return Cp1250ToUtf8(e.GetMessage());
    }
    return "";
}

}  // namespace

TEST(ChunkWalk, ReadChunkFillsTheHeader) {
    SMemoryFile file(RiffBuilder().Riff("WAVE").Chunk("abcd", {1, 2, 3}).Finish());
    SWavFileFormat format(&file);
    SChunk chunk;
    ASSERT_TRUE(format.ReadChunk(chunk));
    EXPECT_TRUE(chunk.Is("RIFF"));
    EXPECT_EQ(std::string(chunk.formType, 4), "WAVE");
    EXPECT_EQ(chunk.size, 15u);
    ASSERT_TRUE(format.ReadChunk(chunk));
    EXPECT_TRUE(chunk.Is("abcd"));
    EXPECT_EQ(chunk.start, 12);
    EXPECT_EQ(chunk.size, 3u);
    format.SkipChunk(chunk);
    EXPECT_FALSE(format.ReadChunk(chunk));
}

TEST(ChunkWalk, ShortAndForeignFilesAreNoForm) {
    const std::vector<uint8_t> cases[] = {
        {},
        {'R', 'I', 'F', 'F', 4, 0, 0},                    // 7 bytes
        {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'},  // form type cut short
        RiffBuilder().Riff("ALOF").Finish(),
        RiffBuilder().Raw("LIST").U32(4).Raw("WAVE").Finish(),
    };
    for (const auto& bytes : cases) {
        SMemoryFile file(bytes);
        EXPECT_FALSE(SWavFileFormat(&file).Probe()) << bytes.size();
    }
    SMemoryFile bare(RiffBuilder().Riff("WAVE").Finish());
    EXPECT_TRUE(SWavFileFormat(&bare).Probe());
}

TEST(ChunkWalk, VersionBlock) {
    SVersion version;
    EXPECT_EQ(
        VersionMessage(
            RiffBuilder().Riff("ALOF").Chunk("xyz ", {1}).Version(1, 6, 2, 2, "Feb 2001").Finish(),
            &version),
        "");
    EXPECT_EQ(version, SVersion(1, 6, 2, 2, "whatever"));
    EXPECT_EQ(std::string(version.date, 8), "Feb 2001");

    EXPECT_EQ(VersionMessage(RiffBuilder().Riff("WAVE").Fmt().Finish()), "brak bloku 'VER '");
    EXPECT_EQ(
        VersionMessage(RiffBuilder().Riff("ALOF").Chunk("VER ", std::vector<uint8_t>(12)).Finish()),
        "niewłaściwa długość bloku 'VER '");
    EXPECT_EQ(VersionMessage(RiffBuilder().Riff("ALOF").ChunkHeader("VER ", 16).U32(1).Finish()),
              "błąd odczytu");
}

TEST(ChunkWalk, VersionsCompareNumbersOnly) {
    EXPECT_EQ(SVersion(1, 6, 2, 2, "Feb 2001"), SVersion(1, 6, 2, 2, "00/00/00"));
    EXPECT_FALSE(SVersion(1, 1, 2, 3, "22/09/95") == SVersion(1, 1, 2, 4, "22/09/95"));
    SVersion fresh;
    EXPECT_EQ(std::string(fresh.date, 8), "00/00/00");
    EXPECT_EQ(fresh, SVersion(0, 0, 0, 0, "anything"));
}

TEST(ChunkWalk, ReadFmtSearchesFromTheOffsetGiven) {
    SMemoryFile file(RiffBuilder().Riff("WAVE").Fmt(8000).Chunk("pad ", {}).Fmt(44100).Finish());
    SWavFileFormat format(&file);
    SPcmFormat fmt;
    format.ReadFmt(fmt, 0);
    EXPECT_EQ(fmt.samplesPerSec, 8000u);
    format.ReadFmt(fmt, 12 + 24 + 8);  // the second one
    EXPECT_EQ(fmt.samplesPerSec, 44100u);
}

TEST(ChunkWalk, WaveSoundOffsetIsTheSameForEveryNumber) {
    SMemoryFile file;
    SWavFileFormat format(&file);
    EXPECT_EQ(format.SoundOffset(0), 12);
    EXPECT_EQ(format.SoundOffset(7), 12);
    EXPECT_EQ(format.SoundLimit(0), 65535);
}

namespace {

// A format whose sounds are all missing.
class SNoSounds : public SWavFileFormat {
public:
    using SWavFileFormat::SWavFileFormat;
    int64_t SoundOffset(int) override { return -1; }
};

}  // namespace

TEST(ChunkWalk, MissingSoundNumberIsCountedFromOne) {
    SMemoryFile file;
    SNoSounds format(&file);
    SWave wave;
    try {
        ReadSoundNumber(format, wave, 4);
        FAIL();
    } catch (const SExitException&) {
        FAIL() << "a missing sound is the plain exception";
    } catch (const SException& e) {
        EXPECT_EQ(Cp1250ToUtf8(e.GetMessage()), "  Brak dźwięku nr=5");
    }
}
