// The host-side audio destinations: claim protocol, free space, bookmarks
// delivered when their byte plays, flush, and the wave file they write.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "recording_dest_sink.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/audio/wave_file_audio_dest.h"

namespace {

std::vector<std::uint8_t> Bytes(DWORD n, std::uint8_t value = 0x11) {
    return std::vector<std::uint8_t>(n, value);
}

class SimulatedDestTest : public ::testing::Test {
protected:
    void SetUp() override {
        dest = CSimulatedAudioDest::Create(1000);
        ASSERT_EQ(
            dest->PassNotify(static_cast<IAudioDestNotifySink*>(&sink), IID_IAudioDestNotifySink),
            S_OK);
    }
    void TearDown() override {
        EXPECT_EQ(dest->Release(), 0u);
        EXPECT_EQ(sink.refs, 0u) << "the destination must release its sink";
    }
    void Write(DWORD n) {
        auto data = Bytes(n);
        ASSERT_EQ(dest->DataSet(data.data(), n), S_OK);
    }
    DWORD Free() {
        DWORD free = 0;
        BOOL eof = TRUE;
        EXPECT_EQ(dest->FreeSpace(&free, &eof), S_OK);
        EXPECT_FALSE(eof);
        return free;
    }

    CSimulatedAudioDest* dest = nullptr;
    RecordingDestSink sink;
};

TEST_F(SimulatedDestTest, ClaimProtocolErrors) {
    auto data = Bytes(10);
    EXPECT_EQ(dest->Claim(), AUDERR_NEEDWAVEFORMAT);
    WAVEFORMATEX bad = VoiceFormat();
    bad.wFormatTag = 2;
    EXPECT_EQ(dest->WaveFormatSet(SDATA{&bad, sizeof bad}), AUDERR_WAVEFORMATNOTSUPPORTED);
    EXPECT_EQ(dest->WaveFormatSet(SDATA{nullptr, 18}), E_INVALIDARG);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    EXPECT_EQ(dest->DataSet(data.data(), 10), AUDERR_NOTCLAIMED);
    EXPECT_EQ(dest->UnClaim(), AUDERR_NOTCLAIMED);
    EXPECT_EQ(dest->Start(), AUDERR_NOTCLAIMED);
    ASSERT_EQ(dest->Claim(), S_OK);
    EXPECT_EQ(dest->Claim(), AUDERR_ALREADYCLAIMED);
    EXPECT_EQ(dest->DataSet(data.data(), 1001), AUDERR_NOTENOUGHDATA)
        << "more than the buffer holds";
    EXPECT_EQ(dest->PassNotify(&sink, IID_IAudio), AUDERR_INVALIDNOTIFYSINK);
    SDATA format{};
    ASSERT_EQ(dest->WaveFormatGet(&format), S_OK);
    ASSERT_EQ(format.dwSize, sizeof(WAVEFORMATEX));
    EXPECT_EQ(static_cast<WAVEFORMATEX*>(format.pData)->nSamplesPerSec, 22050u);
    CoTaskMemFree(format.pData);
}

TEST_F(SimulatedDestTest, MarksArriveWhenTheirBytePlays) {
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    ASSERT_EQ(dest->Start(), S_OK);
    dest->BookMark(1);  // before any data: plays at once
    Write(300);
    dest->BookMark(2);  // at byte 300
    Write(300);
    dest->BookMark(3);  // at byte 600
    EXPECT_EQ(Free(), 400u);
    QWORD total = 0;
    dest->TotalGet(&total);
    EXPECT_EQ(total, 600u);

    struct Step {
        DWORD advance;
        std::size_t marksSoFar;
        DWORD free;
    };
    const Step steps[] = {{0, 1, 400}, {299, 1, 699}, {1, 2, 700}, {250, 2, 950}, {100, 3, 1000}};
    for (const Step& s : steps) {
        dest->Advance(s.advance);
        EXPECT_EQ(sink.marks.size(), s.marksSoFar) << "after advancing " << s.advance;
        EXPECT_EQ(Free(), s.free);
    }
    ASSERT_EQ(sink.marks.size(), 3u);
    for (DWORD i = 0; i < 3; ++i) {
        EXPECT_EQ(sink.marks[i].id, i + 1);
        EXPECT_FALSE(sink.marks[i].flushed);
    }
    EXPECT_EQ(sink.events, std::vector<std::string>{"start"});
    EXPECT_FALSE(sink.freeReports.empty());
    QWORD played = 0;
    dest->PosnGet(&played);
    EXPECT_EQ(played, 600u);
}

TEST_F(SimulatedDestTest, StoppedDestinationDoesNotPlay) {
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    Write(100);
    dest->BookMark(7);
    EXPECT_EQ(dest->Advance(100), 0u);
    EXPECT_TRUE(sink.marks.empty());
    dest->Start();
    dest->Stop();
    EXPECT_EQ(dest->Advance(100), 0u);
    dest->Start();
    EXPECT_EQ(dest->Advance(100), 100u);
    ASSERT_EQ(sink.marks.size(), 1u);
}

TEST_F(SimulatedDestTest, FlushDropsUnplayedBytesAndReportsMarksAsFlushed) {
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    dest->Start();
    Write(500);
    dest->BookMark(1);
    dest->BookMark(2);
    dest->Advance(100);
    EXPECT_EQ(dest->Flush(), S_OK);
    ASSERT_EQ(sink.marks.size(), 2u);
    EXPECT_TRUE(sink.marks[0].flushed && sink.marks[1].flushed);
    EXPECT_EQ(Free(), 1000u);
    dest->Advance(1000);
    EXPECT_EQ(sink.marks.size(), 2u) << "a flushed mark is never delivered again";
}

TEST_F(SimulatedDestTest, UnClaimTakesEffectWhenEverythingHasPlayed) {
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    dest->Start();
    Write(200);
    ASSERT_EQ(dest->UnClaim(), S_OK);
    EXPECT_EQ(dest->UnClaim(), AUDERR_NOTCLAIMED);
    dest->Advance(100);
    EXPECT_TRUE(dest->IsClaimed());
    dest->Advance(100);
    EXPECT_FALSE(dest->IsClaimed());
    EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "stop 0"}));
    // A claim made while an unclaim is still draining just cancels it.
    ASSERT_EQ(dest->Claim(), S_OK);
    dest->Start();
    Write(100);
    dest->UnClaim();
    EXPECT_EQ(dest->Claim(), S_OK);
    dest->PlayAll();
    EXPECT_TRUE(dest->IsClaimed());
    EXPECT_EQ(dest->ClaimCount(), 2);
}

TEST_F(SimulatedDestTest, EndOfFileLeavesNoRoom) {
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    dest->SetEndOfFile(true);
    DWORD free = 1;
    BOOL eof = FALSE;
    ASSERT_EQ(dest->FreeSpace(&free, &eof), S_OK);
    EXPECT_EQ(free, 0u);
    EXPECT_TRUE(eof);
}

// ---- Wave file --------------------------------------------------------------

std::string ScratchPath(const char* name) {
    std::string dir = VOKRANT_BINARY_DIR "test-config/sapi-files/";
    mkdir(VOKRANT_BINARY_DIR "test-config", 0755);
    mkdir(dir.c_str(), 0755);
    return dir + name;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

TEST(WaveFileDestTest, WritesACompleteWaveFileOnlyWhenFinished) {
    std::string path = ScratchPath("speech.wav");
    unlink(path.c_str());
    CWaveFileAudioDest* dest = CWaveFileAudioDest::Create(path, 1000);
    ASSERT_NE(dest, nullptr);
    void* file = nullptr;
    ASSERT_EQ(dest->QueryInterface(IID_IAudioFile, &file), S_OK)
        << "the engine detects file output this way";
    static_cast<IAudioFile*>(file)->Release();

    RecordingDestSink sink;
    dest->PassNotify(static_cast<IAudioDestNotifySink*>(&sink), IID_IAudioDestNotifySink);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    dest->Start();
    std::vector<std::uint8_t> pcm(1000);
    for (std::size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_EQ(dest->DataSet(pcm.data(), 600), S_OK);
    dest->BookMark(42);
    DWORD free = 0;
    BOOL eof = FALSE;
    dest->FreeSpace(&free, &eof);
    EXPECT_EQ(free, 400u) << "the buffer paces the engine between pumps";
    dest->Pump();
    ASSERT_EQ(sink.marks.size(), 1u);
    EXPECT_EQ(sink.marks[0].id, 42u);
    ASSERT_EQ(dest->DataSet(pcm.data() + 600, 400), S_OK);
    EXPECT_FALSE(Exists(path)) << "nothing appears before the file is complete";
    dest->UnClaim();
    dest->Pump();
    ASSERT_EQ(dest->Finish(), S_OK) << dest->LastError();
    dest->PassNotify(nullptr, IID_IAudioDestNotifySink);
    EXPECT_EQ(dest->Release(), 0u);

    std::vector<std::uint8_t> bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 44u + 1000u);
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le32(bytes, 4), 36u + 1000u);
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(bytes, 16), 16u);
    EXPECT_EQ(bytes[20] | (bytes[21] << 8), 1);
    EXPECT_EQ(bytes[22] | (bytes[23] << 8), 1);
    EXPECT_EQ(Le32(bytes, 24), 22050u);
    EXPECT_EQ(Le32(bytes, 28), 44100u);
    EXPECT_EQ(bytes[32] | (bytes[33] << 8), 2);
    EXPECT_EQ(bytes[34] | (bytes[35] << 8), 16);
    EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
    EXPECT_EQ(Le32(bytes, 40), 1000u);
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), bytes.begin() + 44));
}

TEST(WaveFileDestTest, AnAbandonedFileLeavesTheOldOneAndNoTemporary) {
    std::string path = ScratchPath("kept.wav");
    { std::ofstream(path) << "old"; }
    CWaveFileAudioDest* dest = CWaveFileAudioDest::Create(path);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    auto data = Bytes(100);
    ASSERT_EQ(dest->DataSet(data.data(), 100), S_OK);
    dest->Release();
    EXPECT_EQ(ReadAll(path).size(), 3u);
    std::string dir = path.substr(0, path.rfind('/'));
    for (const char* leftover : {"kept.wav."}) {
        std::string cmd = "ls " + dir + " | grep -q '^" + leftover + "'";
        EXPECT_NE(system(cmd.c_str()), 0) << "temporary file left behind";
    }
}

TEST(WaveFileDestTest, UnwritableDirectoryIsAClearError) {
    CWaveFileAudioDest* dest = CWaveFileAudioDest::Create("/nonexistent-dir/x.wav");
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    EXPECT_EQ(dest->Claim(), E_FAIL);
    EXPECT_NE(dest->LastError().find("/nonexistent-dir/x.wav"), std::string::npos);
    dest->Release();
}

}  // namespace

TEST(WaveFileDestTest, HeaderSizesAtTheFourGigabyteBoundary) {
    const QWORD max = kMaxWaveDataBytes;
    struct Case {
        QWORD dataBytes;
        bool unknownLength;
        std::optional<SWaveHeaderSizes> sizes;
    } cases[] = {
        {0, false, SWaveHeaderSizes{36, 0}},
        {1000, false, SWaveHeaderSizes{1036, 1000}},
        {max, false, SWaveHeaderSizes{0xFFFFFFFFu, 0xFFFFFFDBu}},
        {max + 1, false, std::nullopt},
        {0x100000000ull, false, std::nullopt},
        {0, true, SWaveHeaderSizes{0xFFFFFFFFu, 0xFFFFFFFFu}},
        {max + 1, true, SWaveHeaderSizes{0xFFFFFFFFu, 0xFFFFFFFFu}},
        {0x7FFFFFFFFFFull, true, SWaveHeaderSizes{0xFFFFFFFFu, 0xFFFFFFFFu}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WaveHeaderSizes(c.dataBytes, c.unknownLength), c.sizes) << c.dataBytes;
}

TEST(WaveFileDestTest, SmallPiecesAndLargeBlocksArriveInOrder) {
    // Pieces smaller and larger than the block the sound is gathered in,
    // across several blocks, must come out as one unbroken stream.
    std::string path = ScratchPath("pieces.wav");
    CWaveFileAudioDest* dest = CWaveFileAudioDest::Create(path, 8u << 20);
    ASSERT_NE(dest, nullptr);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    std::vector<std::uint8_t> expected;
    const std::size_t pieces[] = {1, 333, 4096, 1000000, 70000, 3u << 20, 2, 600000, 1u << 20, 5};
    for (std::size_t size : pieces) {
        std::vector<std::uint8_t> piece(size);
        for (std::size_t i = 0; i < size; ++i)
            piece[i] = static_cast<std::uint8_t>((expected.size() + i) * 13 >> 3);
        ASSERT_EQ(dest->DataSet(piece.data(), static_cast<DWORD>(size)), S_OK) << size;
        expected.insert(expected.end(), piece.begin(), piece.end());
        dest->Pump();
    }
    dest->UnClaim();
    dest->Pump();
    ASSERT_EQ(dest->Finish(), S_OK) << dest->LastError();
    EXPECT_EQ(dest->Release(), 0u);
    std::vector<std::uint8_t> bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 44u + expected.size());
    EXPECT_EQ(Le32(bytes, 40), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 44));
    unlink(path.c_str());
}
