// Sending a chunk: bytes and marks must arrive in order, each mark exactly
// between the bytes it belongs to, whatever the destination's free space.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/simulated_audio_dest.h"
#include "model/wave.h"

namespace {

// A 100-byte chunk with bytes 0..99 and marks at the given positions (ids = 1000 + position).
void MakeChunk(SWave& wave, SBookmarkBff& marks, const std::vector<uint32_t>& positions) {
    wave.Allocate(100);
    for (int i = 0; i < 100; ++i) wave[i] = static_cast<char>(i);
    marks.SetSize(0);
    for (uint32_t p : positions) marks.Add(SBookmark{1000 + p, 0, 0, p});
}

std::vector<std::pair<uint32_t, uint64_t>> Expected(const std::vector<uint32_t>& positions) {
    std::vector<std::pair<uint32_t, uint64_t>> marks;
    for (uint32_t p : positions) marks.emplace_back(1000 + p, p);
    return marks;
}

struct SendCase {
    const char* name;
    std::vector<uint32_t> marks;
    uint32_t firstFree;  // free space at the first call
    bool firstFull;      // what the first call reports
    uint32_t sentAfterFirst;
    size_t marksAfterFirst;  // marks delivered by the first call
};

class WaveSendTest : public testing::TestWithParam<SendCase> {};

TEST_P(WaveSendTest, DeliversEveryByteAndMarkInPlace) {
    const SendCase& c = GetParam();
    SWave wave;
    SBookmarkBff marks;
    MakeChunk(wave, marks, c.marks);
    SSimulatedAudioDest dest(1000);
    dest.SetFreeSpace(c.firstFree);

    EXPECT_EQ(wave.Send(dest, &marks), c.firstFull);
    EXPECT_EQ(wave.sent, static_cast<int>(c.sentAfterFirst));
    EXPECT_EQ(dest.Marks().size(), c.marksAfterFirst);

    // Keep sending with room for 7 bytes at a time until everything is out.
    for (int guard = 0; wave.Unsent() > 0 && guard < 100; ++guard) {
        dest.SetFreeSpace(7);
        wave.Send(dest, &marks);
    }
    dest.SetFreeSpace(1000);
    EXPECT_FALSE(wave.Send(dest, &marks));  // room left: not full

    std::string expectedBytes;
    for (int i = 0; i < 100; ++i) expectedBytes += static_cast<char>(i);
    EXPECT_EQ(dest.Received(), expectedBytes);
    EXPECT_EQ(dest.Marks(), Expected(c.marks));
    EXPECT_EQ(dest.Overflow(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveSendTest,
    testing::Values(SendCase{"room_ends_inside_before_marks", {40, 60}, 30, true, 30, 0},
                    SendCase{"room_ends_exactly_at_mark", {40, 60}, 40, true, 40, 0},
                    SendCase{"room_ends_just_past_mark", {40, 60}, 41, true, 41, 1},
                    SendCase{"room_ends_between_marks", {40, 60}, 50, true, 50, 1},
                    SendCase{"mark_at_zero_before_any_byte", {0, 10}, 5, true, 5, 1},
                    SendCase{"two_marks_at_one_position", {20, 20}, 21, true, 21, 2},
                    SendCase{"everything_fits", {0, 50, 99}, 500, false, 100, 3},
                    SendCase{"exactly_fits_is_full", {10}, 100, true, 100, 1},
                    SendCase{"mark_at_end_of_wave_follows_last_byte", {100}, 500, false, 100, 1},
                    SendCase{"no_room_at_all", {0}, 0, true, 0, 0}),
    [](const testing::TestParamInfo<SendCase>& info) { return std::string(info.param.name); });

TEST(WaveSend, WithoutMarksSendsOnlyBytes) {
    SWave wave;
    SBookmarkBff marks;
    MakeChunk(wave, marks, {0, 50});
    SSimulatedAudioDest dest(1000);
    dest.SetFreeSpace(60);
    EXPECT_TRUE(wave.Send(dest, nullptr));
    EXPECT_EQ(wave.sent, 60);
    EXPECT_TRUE(dest.Marks().empty());
}

TEST(WaveSend, MarkOnZeroPositionOfAChunkComesFirst) {
    SWave wave;
    SBookmarkBff marks;
    MakeChunk(wave, marks, {0});
    SSimulatedAudioDest dest(1000);
    wave.Send(dest, &marks);
    ASSERT_FALSE(dest.Events().empty());
    EXPECT_TRUE(dest.Events().front().isMark);
}

TEST(WaveSend, EightBitSamplesAreCentredAndScaled) {
    SWave wave;
    const unsigned char bytes[] = {0, 128, 255};
    wave.SetFrom8Bit(bytes, 3);
    ASSERT_EQ(wave.SampleCount(), 3);
    EXPECT_EQ(wave.Samples()[0], -32768);
    EXPECT_EQ(wave.Samples()[1], 0);
    EXPECT_EQ(wave.Samples()[2], 127 * 256);
}

}  // namespace
