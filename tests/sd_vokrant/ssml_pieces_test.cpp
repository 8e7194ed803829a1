// What a stranger's text can do to the module: markup that never closes
// costs work in proportion to its length, a long message comes in bounded
// pieces that read as the whole, mark names stay one line, and sound icon
// names stay in their folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "module_session.h"
#include "protocol_io.h"
#include "sound_icon.h"
#include "ssml_text.h"

namespace fs = std::filesystem;

namespace {

std::string Repeated(const std::string& unit, size_t bytes) {
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes) text += unit;
    return text;
}

// Converts the whole message a piece at a time; the work done.
size_t WorkToConvert(const std::string& ssml, size_t pieceBytes) {
    SSsmlConverter converter(ssml, SSsmlState{}, pieceBytes);
    STaggedText piece;
    while (converter.Next(piece)) {
    }
    return converter.BytesExamined();
}

// Each construct left open, repeated: before, every one of them searched the
// rest of the message for its end, so four times the text was sixteen times
// the work.
TEST(SsmlConversion, WorkGrowsLinearlyWithUnclosedMarkup) {
    const char* constructs[] = {"<", "<!--",      "<?",           "<![CDATA[", "<a b='",
                                "&", "<a b='x' ", "&#x10;<!--<?", "<a>b</a><"};
    constexpr size_t kSmall = 512u << 10;
    // With a '>' at the very end every '<' might still open markup.
    for (const char* construct : constructs)
        for (const char* tail : {"", ">"}) {
            SCOPED_TRACE(std::string(construct) + "..." + tail);
            for (size_t pieceBytes : {size_t{0}, kPieceBytes}) {
                const size_t small = WorkToConvert(Repeated(construct, kSmall) + tail, pieceBytes);
                const size_t large =
                    WorkToConvert(Repeated(construct, 4 * kSmall) + tail, pieceBytes);
                EXPECT_LE(large, small * 9 / 2) << "piece " << pieceBytes;
                EXPECT_LE(large, 8 * 4 * kSmall) << "piece " << pieceBytes;
            }
        }
}

TEST(SsmlConversion, PiecesAreBoundedAndReadAsTheWhole) {
    const std::string sentence = "Zdanie o kotach i psach, dość długie. ";
    const std::string text = "<speak>" + Repeated(sentence, 2u << 20) + "</speak>";
    const STaggedText whole = SsmlToTaggedText(text, SSsmlState{});
    SSsmlConverter converter(text, SSsmlState{}, kPieceBytes);
    std::string joined;
    size_t pieces = 0;
    for (STaggedText piece; converter.Next(piece); ++pieces) {
        EXPECT_LE(piece.text.size(), kPieceBytes + 1);
        // Cut after a sentence's end, so no sentence is split between texts.
        if (joined.size() + piece.text.size() < whole.text.size()) {
            EXPECT_EQ(piece.text.substr(piece.text.size() - 2), ". ");
        }
        joined += piece.text;
    }
    EXPECT_GT(pieces, 200u);
    EXPECT_EQ(joined, whole.text);
}

TEST(SsmlConversion, EachPieceStartsWhereTheMessageStandsAndNumbersItsOwnMarks) {
    SSsmlState start;
    start.speed = 100;
    const std::string words = Repeated("słowo ", 3 * kPieceBytes);
    const std::string text =
        "<prosody rate=\"50%\" volume=\"50%\"><say-as interpret-as=\"characters\">" + words +
        "<mark name=\"m1\"/>" + words + "<mark name=\"m2\"/>" + "</say-as></prosody>koniec";
    SSsmlConverter converter(text, start, kPieceBytes);
    std::vector<std::string> marks;
    std::vector<STaggedText> pieces;
    for (STaggedText piece; converter.Next(piece);) pieces.push_back(piece);
    ASSERT_GE(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text.rfind("\\Spd=50\\\\Vol=32768\\ \\RmS=1\\", 0), 0u) << pieces[0].text;
    for (size_t i = 1; i < pieces.size(); ++i)
        EXPECT_EQ(pieces[i].text.rfind("\\Spd=50\\\\Vol=32768\\\\RmS=1\\", 0), 0u) << i;
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t n = 0; n < pieces[i].markNames.size(); ++n) {
            const std::string tag = "\\Mrk=" + std::to_string(n + 1) + "\\";
            EXPECT_NE(pieces[i].text.find(tag), std::string::npos) << tag;
            marks.push_back(pieces[i].markNames[n]);
        }
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"m1", "m2"}));
    // The last piece closes what is open and goes back to the start's rate.
    const std::string& last = pieces.back().text;
    EXPECT_NE(last.find("\\RmS=0\\"), std::string::npos);
    EXPECT_NE(last.find("\\Spd=100\\"), std::string::npos);
    EXPECT_EQ(last.substr(last.size() - 6), "koniec");
}

TEST(ProtocolLines, ClientTextNeverLeavesItsLine) {
    struct SCase {
        std::string in, out;
    };
    const SCase cases[] = {
        {"zwykły", "zwykły"},
        {"a\n702 END", "a_702 END"},
        {"a\r\n700-x", "a__700-x"},
        {std::string("nul\0x", 5), "nul_x"},
        {"\x7F", "_"},
        {"\xFF\xFE", "??"},
        {"\xC5", "?"},            // cut sequence
        {"\xC0\x8A", "??"},       // overlong newline
        {"\xED\xA0\x80", "???"},  // surrogate
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"", ""},
    };
    for (const SCase& c : cases) {
        const std::string line = SingleLine(c.in);
        EXPECT_EQ(line, c.out);
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
}

class SoundIconFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("sd-vokrant-icons-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A canonical PCM WAV header and data.
    void WriteWav(const std::string& name, int channels, int bits, int rate,
                  const std::vector<uint8_t>& data) {
        std::ofstream out(dir_ / name, std::ios::binary);
        auto u32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
        };
        auto u16 = [&](uint16_t v) {
            out.put(static_cast<char>(v));
            out.put(static_cast<char>(v >> 8));
        };
        out << "RIFF";
        u32(36 + static_cast<uint32_t>(data.size()));
        out << "WAVEfmt ";
        u32(16);
        u16(1);
        u16(static_cast<uint16_t>(channels));
        u32(static_cast<uint32_t>(rate));
        u32(static_cast<uint32_t>(rate * channels * bits / 8));
        u16(static_cast<uint16_t>(channels * bits / 8));
        u16(static_cast<uint16_t>(bits));
        out << "data";
        u32(static_cast<uint32_t>(data.size()));
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
    }

    fs::path dir_;
};

TEST_F(SoundIconFiles, NamesStayInTheFolder) {
    WriteWav("message.wav", 1, 16, 22050, {0, 0});
    WriteWav("bell", 1, 16, 22050, {0, 0});
    fs::create_directories(dir_ / "sub");
    const std::string folder = dir_.string();
    EXPECT_EQ(SoundIconPath(folder, "message"), (dir_ / "message.wav").string());
    EXPECT_EQ(SoundIconPath(folder + "/", "bell"), (dir_ / "bell").string());
    for (const char* name : {"", "../message", "/etc/passwd", ".hidden", "sub", "sub/x", "missing",
                             "a b", "message\n"})
        EXPECT_EQ(SoundIconPath(folder, name), "") << name;
    EXPECT_EQ(SoundIconPath("", "message"), "");
}

TEST_F(SoundIconFiles, PcmFilesAreReadAsMonoAndOthersRefused) {
    // Stereo 16-bit: (1000, 3000) and (-2000, -4000) mix to 2000 and -3000.
    WriteWav("stereo.wav", 2, 16, 44100, {0xE8, 0x03, 0xB8, 0x0B, 0x30, 0xF8, 0x60, 0xF0});
    // 8-bit unsigned: 128 is silence, 255 near full scale, 0 full negative.
    WriteWav("byte.wav", 1, 8, 8000, {128, 255, 0});
    WriteWav("float.wav", 1, 32, 22050, {0, 0, 0, 0});
    WriteWav("empty.wav", 1, 16, 22050, {});
    std::ofstream(dir_ / "text.wav") << "RIFF....WAVEnot really";
    SSoundIconAudio audio;
    ASSERT_TRUE(ReadSoundIcon((dir_ / "stereo.wav").string(), audio));
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.samples, (std::vector<int16_t>{2000, -3000}));
    audio = {};
    ASSERT_TRUE(ReadSoundIcon((dir_ / "byte.wav").string(), audio));
    EXPECT_EQ(audio.samples, (std::vector<int16_t>{0, 127 * 256, -128 * 256}));
    for (const char* name : {"float.wav", "empty.wav", "text.wav", "missing.wav"}) {
        audio = {};
        EXPECT_FALSE(ReadSoundIcon((dir_ / name).string(), audio)) << name;
    }
}

}  // namespace
