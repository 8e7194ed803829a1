// Mu-law both ways, the sample converter's table, and the message texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "soundfile/sample_convert.h"
#include "soundfile/sound_messages.h"
#include "soundfile/ulaw_codec.h"

TEST(ULaw, EdgeValues) {
    EXPECT_EQ(ULawEncode(0), 255);
    EXPECT_EQ(ULawDecode(255), 0);
    EXPECT_EQ(ULawDecode(127), 0);  // the negative zero
    EXPECT_EQ(ULawEncode(-32768), ULawEncode(-32635));
    // The loudest negative code word would be 0, which is written as 2.
    EXPECT_EQ(ULawEncode(-32768), 2);
    EXPECT_EQ(ULawDecode(2), -30076);
    EXPECT_EQ(ULawDecode(ULawEncode(32767)), 32124);
}

TEST(ULaw, NoSampleEncodesToZeroAndRoundTripsWithinOneStep) {
    for (int s = -32768; s <= 32767; ++s) {
        uint8_t byte = ULawEncode(static_cast<int16_t>(s));
        ASSERT_NE(byte, 0) << s;
        int clipped = std::clamp(s, -32635, 32635);
        int decoded = ULawDecode(byte);
        // The quantisation step grows with the exponent: 8 << exponent.
        int exponent = (~byte >> 4) & 7;
        if (byte == 2 && s < -31000) continue;  // the zero trap
        ASSERT_LE(std::abs(decoded - clipped), (8 << exponent) + 132) << s;
        ASSERT_EQ((decoded < 0), (s < 0 && decoded != 0)) << s;
    }
}

TEST(ULaw, DecodeIsMonotonicOverEachSign) {
    for (int b = 0x80; b < 0xFF; ++b) EXPECT_GT(ULawDecode(b), ULawDecode(b + 1)) << b;
    for (int b = 0x00; b < 0x7F; ++b) EXPECT_LT(ULawDecode(b), ULawDecode(b + 1)) << b;
}

TEST(ULaw, CodecEncodesOneBytePerSample) {
    SCodecULaw8 codec(SSndFormat{}, SSndFormat{1, 10, 3, 22050});
    int16_t samples[] = {0, 1000, -1000};
    uint8_t out[3];
    EXPECT_EQ(codec.OutputSize(3), 3);
    codec.Encode(samples, 3, out);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(out[i], ULawEncode(samples[i]));
}

namespace {

struct ConvertCase {
    int destination;
    int16_t s;
    std::vector<uint8_t> fromSigned16;
    uint8_t u;
    std::vector<uint8_t> fromUnsigned8;
};

std::vector<uint8_t> FloatBytes(float f) {
    std::vector<uint8_t> b(4);
    std::memcpy(b.data(), &f, 4);
    return b;
}

}  // namespace

TEST(SampleConvert, EveryDestinationFromBothSources) {
    const ConvertCase cases[] = {
        {kSampleU8, -32768, {0x00}, 200, {200}},
        {kSampleU8, 300, {0x81}, 0, {0}},
        {kSampleS8, -1, {0xFF}, 200, {72}},  // -1 / 256 rounds down to -1
        {kSampleS8, -257, {0xFE}, 0, {0x80}},
        {kSampleU16, -2, {0xFE, 0x7F}, 1, {0x00, 0x01}},
        {kSampleS16, -2, {0xFE, 0xFF}, 129, {0x00, 0x01}},
        {kSampleU16Swapped, -2, {0x7F, 0xFE}, 1, {0x01, 0x00}},
        {kSampleS16Swapped, 0x1234, {0x12, 0x34}, 127, {0xFF, 0x00}},
        {kSampleFloatUnsigned, 0, FloatBytes(32768.0f * 256), 3, FloatBytes(768)},
        {kSampleFloatSigned, -5, FloatBytes(-5), 0, FloatBytes(-32768)},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE("destination " + std::to_string(c.destination));
        std::vector<uint8_t> out(c.fromSigned16.size(), 0xAA);
        SSndConvert(kSampleS16, c.destination).Convert(&c.s, 1, out.data());
        EXPECT_EQ(out, c.fromSigned16);
        std::fill(out.begin(), out.end(), 0xAA);
        SSndConvert(kSampleU8, c.destination).Convert(&c.u, 1, out.data());
        EXPECT_EQ(out, c.fromUnsigned8);
    }
}

TEST(SampleConvert, OtherSourceTypesWriteNothing) {
    int16_t s = 1234;
    uint8_t out[2] = {7, 7};
    SSndConvert(kSampleU16, kSampleS16).Convert(&s, 1, out);
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[1], 7);
}

TEST(SoundMessages, AreTheExactPolishTextsInWindows1250) {
    const std::pair<const char*, const char*> cases[] = {
        {kMsgReadError, "błąd odczytu"},
        {kMsgFmtLength, "niewłaściwa długość bloku 'fmt '"},
        {kMsgVerLength, "niewłaściwa długość bloku 'VER '"},
        {kMsgInfoLength, "niewłaściwa długość bloku 'info'"},
        {kMsgMaxeLength, "niewłaściwa długość bloku 'maxe'"},
        {kMsgBitsPerSample, " 'wBitsPerSample' różne od 8 i 16."},
        {kMsgNoSound, "  Brak dźwięku nr=%u"},
        {kMsgBadEncoding, "niewłaściwy format kodowania"},
        {kMsgPatternVersion, "błędna wersja alofonów."},
        {kMsgVoiceNoFormat, "Błąd ładowania alofonów: '%s'."},
        {kMsgVoiceVersion, "błędna wersja pliku alofonów"},
        {kMsgPatternTooLong, "za długi alofon: %u próbek"},
        {kMsgStepsBeyondSound, "kroki wykraczające poza nagranie"},
        {kMsgCannotCreate, "nie można utworzyć pliku: %s"},
    };
    for (const auto& [cp1250, utf8] : cases) EXPECT_EQ(Cp1250ToUtf8(cp1250), utf8);
}
