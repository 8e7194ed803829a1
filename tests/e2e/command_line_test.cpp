// Runs the vokrant command as a user would and checks what comes out: the
// WAV file, its length, the word marks against the text, the exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "sentence_tune.h"

namespace fs = std::filesystem;

namespace {

const std::string kVokrant = std::string(VOKRANT_BINARY_DIR) + "apps/vokrant/vokrant";
const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

struct SRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs vokrant with the arguments (already quoted for the shell).
SRun Vokrant(const std::string& arguments, const std::string& input = "") {
    fs::path dir = fs::temp_directory_path() / ("vokrant-e2e-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::path in = dir / "in.txt", out = dir / "out.bin", err = dir / "err.txt";
    std::ofstream(in, std::ios::binary) << input;
    // A scratch settings folder: the tests never read or write the user's settings.
    std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" + kVokrant +
                          "' " + arguments + " < '" + in.string() + "' > '" + out.string() +
                          "' 2> '" + err.string() + "'";
    SRun run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

bool VoicePresent() {
    return fs::exists(kVoiceDir + "pln_22.als") && fs::exists(kVoiceDir + "pln_11.als");
}

uint32_t LE32(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t LE16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1])
                                                                   << 8);
}

// Checks the 44-byte header of a finished WAV file and returns its data bytes.
uint32_t CheckWavHeader(const std::string& wav) {
    EXPECT_GE(wav.size(), 44u);
    if (wav.size() < 44) return 0;
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(LE32(wav, 16), 16u);
    EXPECT_EQ(LE16(wav, 20), 1) << "PCM";
    EXPECT_EQ(LE16(wav, 22), 1) << "mono";
    EXPECT_EQ(LE32(wav, 24), 22050u);
    EXPECT_EQ(LE32(wav, 28), 44100u);
    EXPECT_EQ(LE16(wav, 32), 2);
    EXPECT_EQ(LE16(wav, 34), 16);
    EXPECT_EQ(wav.substr(36, 4), "data");
    uint32_t data = LE32(wav, 40);
    EXPECT_EQ(data, wav.size() - 44);
    EXPECT_EQ(LE32(wav, 4), data + 36);
    return data;
}

struct SMark {
    uint64_t byte;
    std::string type;
    uint64_t value;
};

std::vector<SMark> ParseMarks(const std::string& lines) {
    std::vector<SMark> marks;
    std::regex pattern(R"re(\{"byte":(\d+),"ms":(\d+),"type":"(\w+)","value":(\d+)\})re");
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find('\n', start);
        std::string line = lines.substr(start, end - start);
        std::smatch m;
        EXPECT_TRUE(std::regex_match(line, m, pattern)) << line;
        if (!m.empty()) marks.push_back({std::stoull(m[1]), m[3], std::stoull(m[4])});
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return marks;
}

// Character offsets (code points) where the words of a UTF-8 text begin.
std::set<uint64_t> WordStarts(const std::string& utf8) {
    std::set<uint64_t> starts;
    uint64_t index = 0;
    bool inWord = false;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = utf8[i];
        if ((c & 0xC0) == 0x80) continue;  // continuation byte of the same character
        bool letter = std::isalpha(c) || c >= 0xC0;
        if (letter && !inWord) starts.insert(index);
        inWord = letter;
        ++index;
    }
    return starts;
}

const std::string kParagraph =
    "Wczoraj wieczorem moja sąsiadka przyniosła świeży chleb z piekarni. Dzieci bawiły się w "
    "ogrodzie, "
    "a dziadek czytał gazetę na ławce pod starym dębem. Czy jutro też będzie tak pięknie? "
    "Potem wszyscy piliśmy herbatę z cytryną i rozmawialiśmy o pogodzie.";

TEST(CommandLine, SpeaksAParagraphIntoAWavFileWithWordMarks) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    fs::path wav =
        fs::temp_directory_path() / ("vokrant-e2e-paragraph-" + std::to_string(getpid()) + ".wav");
    SRun run =
        Vokrant("--voice-dir '" + kVoiceDir + "' --marks -o '" + wav.string() + "'", kParagraph);
    ASSERT_EQ(run.status, 0) << run.err;
    std::string bytes = ReadFile(wav);
    fs::remove(wav);
    uint32_t data = CheckWavHeader(bytes);
    double seconds = data / 44100.0;
    size_t characters = 0;
    for (unsigned char c : kParagraph) characters += (c & 0xC0) != 0x80;
    // Everyday speech runs at roughly 10 to 20 characters a second.
    EXPECT_GT(seconds, characters / 25.0);
    EXPECT_LT(seconds, characters / 6.0);

    std::vector<SMark> marks = ParseMarks(run.out);
    std::set<uint64_t> starts = WordStarts(kParagraph);
    std::set<uint64_t> marked;
    uint64_t lastByte = 0;
    for (const SMark& m : marks) {
        EXPECT_GE(m.byte, lastByte) << "marks arrive in stream order";
        EXPECT_LE(m.byte, data);
        lastByte = m.byte;
        if (m.type == "word" && starts.count(m.value)) marked.insert(m.value);
    }
    EXPECT_EQ(marked, starts) << "every word of the text gets a word mark at its offset";
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.back().type, "end");
    EXPECT_EQ(marks.back().byte, data);
}

TEST(CommandLine, TagMarksSitWhereTheNextWordStarts) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    // Audio on standard output: the marks go to standard error.
    SRun run = Vokrant("--voice-dir '" + kVoiceDir +
                       "' --tagged --marks -o - 'Ala \\Mrk=7\\ ma \\Spd=120\\ kota.'");
    ASSERT_EQ(run.status, 0) << run.err;
    uint32_t data = CheckWavHeader(run.out);
    uint64_t bookmark = UINT64_MAX, speed = UINT64_MAX, ma = 0, kota = 0;
    for (const SMark& m : ParseMarks(run.err)) {
        if (m.type == "bookmark" && m.value == 7) bookmark = m.byte;
        if (m.type == "speed" && m.value == 120) speed = m.byte;
        if (m.type == "word" && m.value == 12) ma = m.byte;
        if (m.type == "word" && m.value == 25) kota = m.byte;
    }
    EXPECT_GT(ma, 0u);
    EXPECT_EQ(bookmark, ma);
    EXPECT_GT(kota, ma);
    EXPECT_EQ(speed, kota);
    EXPECT_LT(kota, data);
}

TEST(CommandLine, StandardOutputCarriesTheSameWav) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    SRun run = Vokrant("--voice-dir '" + kVoiceDir + "' -o - Ala ma kota");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_GT(CheckWavHeader(run.out), 0u);
}

TEST(CommandLine, WordsReportHasExactlyTheContractKeys) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    SRun run = Vokrant("--voice-dir '" + kVoiceDir + "' --words 'Ala ma kota.'");
    ASSERT_EQ(run.status, 0) << run.err;
    std::regex keys(
        R"re(\{"sentence":\d+,"index":\d+,"text":".*","source":".*","offset":\d+,"hidden":(true|false),)re"
        R"re("control":(true|false),"phonetic":(true|false),"continuation":(true|false),"closes":(true|false),)re"
        R"re("stressed":(true|false),"allophones":\[.*\],"samples":\d+\})re");
    int lines = 0;
    size_t start = 0;
    while (start < run.out.size()) {
        size_t end = run.out.find('\n', start);
        std::string line = run.out.substr(start, end - start);
        EXPECT_TRUE(std::regex_match(line, keys)) << line;
        ++lines;
        start = end + 1;
    }
    EXPECT_GE(lines, 3);
    EXPECT_NE(run.out.find("\"text\":\"kota\""), std::string::npos);

    // A control word's marker bytes come out as \u00XX escapes, Polish letters as UTF-8.
    SRun tagged =
        Vokrant("--voice-dir '" + kVoiceDir + "' --words --tagged 'Zażółć \\Spd=120\\ gęślą'");
    ASSERT_EQ(tagged.status, 0) << tagged.err;
    EXPECT_NE(tagged.out.find("\"text\":\"\\u0003\\u000a120\""), std::string::npos) << tagged.out;
    EXPECT_NE(tagged.out.find("\"control\":true"), std::string::npos);
    EXPECT_NE(tagged.out.find("ażółć\""), std::string::npos) << tagged.out;
}

struct SFailureCase {
    const char* arguments;
    int status;
};

TEST(CommandLine, FailuresGiveOneLineAndTheirStatus) {
    fs::path target =
        fs::temp_directory_path() / ("vokrant-e2e-missing-" + std::to_string(getpid()) + ".wav");
    const SFailureCase cases[] = {
        {"--no-such-option x", 2},
        {"--set Speed", 2},
        {"--set NoSuchSetting=1 x", 2},
        {"--set ConvertDate=maybe x", 2},
        {"--encoding latin2 x", 2},
        {"-o", 2},
        {"-f /no/such/file.txt -o /dev/null", 1},
    };
    for (const SFailureCase& c : cases) {
        SRun run = Vokrant(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1)
            << c.arguments << ": " << run.err;
        EXPECT_EQ(run.err.rfind("vokrant: ", 0), 0u) << run.err;
    }
    // A voice that cannot be loaded leaves no file behind.
    SRun run = Vokrant("--voice-dir /no/such/dir -o '" + target.string() + "' Ala");
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_NE(run.err.find("vokrant: "), std::string::npos);
}

TEST(CommandLine, HelpVersionAndVoices) {
    SRun help = Vokrant("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--voice-dir"), std::string::npos);
    SRun version = Vokrant("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vokrant ", 0), 0u);
    SRun voices = Vokrant("--list-voices");
    EXPECT_EQ(voices.status, 0);
    EXPECT_NE(voices.out.find("1045"), std::string::npos);
}

// A mono 16-bit 22050 Hz wave: the data chunk declares `declared` bytes, of
// which the first `present` are written (a file cut off short of its chunk).
void WriteTagSound(const fs::path& path, uint32_t declared, uint32_t present) {
    std::string bytes = "RIFF";
    auto le32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(v >> (8 * i));
    };
    auto le16 = [&](uint16_t v) {
        bytes += static_cast<char>(v);
        bytes += static_cast<char>(v >> 8);
    };
    le32(36 + declared);
    bytes += "WAVEfmt ";
    le32(16);
    le16(1), le16(1), le32(22050), le32(44100), le16(2), le16(16);
    bytes += "data";
    le32(declared);
    for (uint32_t i = 0; i < present; ++i)
        bytes += static_cast<char>(i % 2 ? 0x10 : 0x00);  // samples of 4096
    std::ofstream(path, std::ios::binary) << bytes;
}

// A sound file whose 16-bit data ends in half a sample inserts only its whole
// samples: the speech after it is byte for byte what it is after the same
// sound without the odd byte, and the output keeps whole samples.
TEST(CommandLine, WavTagInsertsWholeSamplesOfAnOddSizedFile) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    fs::path dir = fs::temp_directory_path() / ("vokrant-e2e-oddwav-" + std::to_string(getpid()));
    fs::create_directories(dir);
    auto speakAfter = [&](uint32_t declared, uint32_t present) {
        fs::path sound =
            dir / ("s" + std::to_string(declared) + "_" + std::to_string(present) + ".wav");
        WriteTagSound(sound, declared, present);
        SRun run = Vokrant("--voice-dir '" + kVoiceDir + "' --tagged -o - '\\Wav=\"" +
                           sound.string() + "\"\\ Ala ma kota.'");
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    };
    const std::string whole = speakAfter(1000, 1000);
    ASSERT_GT(CheckWavHeader(whole), 1000u);
    const struct {
        uint32_t declared, present;
    } odd[] = {{1001, 1001}, {1002, 1001}, {1001, 1000}, {1003, 1003}};
    const std::string expected[] = {whole, whole, whole, speakAfter(1002, 1002)};
    for (size_t i = 0; i < std::size(odd); ++i) {
        SCOPED_TRACE(std::to_string(odd[i].declared) + " declared, " +
                     std::to_string(odd[i].present) + " present");
        const std::string out = speakAfter(odd[i].declared, odd[i].present);
        EXPECT_EQ(CheckWavHeader(out) % 2, 0u) << "whole samples only";
        EXPECT_TRUE(out == expected[i]) << "the speech after the sound is not shifted";
    }
    fs::remove_all(dir);
}

// The samples --words reports for every word of a text, summed.
uint64_t ReportedSamples(const std::string& lines) {
    uint64_t total = 0;
    std::regex samples(R"re("samples":(\d+)\})re");
    for (std::sregex_iterator it(lines.begin(), lines.end(), samples), end; it != end; ++it)
        total += std::stoull((*it)[1]);
    return total;
}

// A pause length given with --set is heard, with the normal voice and with
// the half-rate voice of fast reading, and --words counts exactly the samples
// that are spoken.
TEST(CommandLine, PauseSettingsAreHeardAndWordsAgreeWithTheSound) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    const std::string text = "'Ala ma kota, a kot ma Alę. Anna pije mleko.'";
    const struct {
        std::string pitch;
        uint64_t longerBy;  // samples the sentence pause gains from 500 to 3000 ms
    } cases[] = {
        {"160", 66144 - 11024}, {"200", (66144 - 11024) * 4 / 5}, {"320", (33072 - 5504) / 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE("Pitch " + c.pitch);
        uint64_t spoken[2] = {0, 0};
        const char* const lengths[] = {"500", "3000"};
        for (int i = 0; i < 2; ++i) {
            const std::string set =
                "--set Pitch=" + c.pitch + " --set PauseInterSentence=" + lengths[i] + " ";
            SRun words = Vokrant("--voice-dir '" + kVoiceDir + "' " + set + "--words " + text);
            SRun sound = Vokrant("--voice-dir '" + kVoiceDir + "' " + set + "-o - " + text);
            ASSERT_EQ(words.status, 0) << words.err;
            ASSERT_EQ(sound.status, 0) << sound.err;
            spoken[i] = CheckWavHeader(sound.out) / 2;
            EXPECT_EQ(ReportedSamples(words.out), spoken[i]) << "--words and the sound agree";
        }
        EXPECT_NEAR(static_cast<double>(spoken[1] - spoken[0]), static_cast<double>(c.longerBy),
                    2.0)
            << "the longer sentence pause is heard";
    }
}

// The text as typed by a user: the end mark is the text's last character.
TEST(CommandLine, QuestionsRiseAndCommasRiseLess) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    sentence_tune::ExpectQuestionsRiseAndCommasRiseLess(
        [](const std::string& text, bool intonation) {
            std::string set = intonation ? "" : "--set Intonation=No ";
            SRun run = Vokrant("--voice-dir '" + kVoiceDir + "' " + set + "-o - '" + text + "'");
            EXPECT_EQ(run.status, 0) << run.err;
            uint32_t data = CheckWavHeader(run.out);
            std::vector<int16_t> pcm(data / 2);
            if (!pcm.empty()) std::memcpy(pcm.data(), run.out.data() + 44, pcm.size() * 2);
            return pcm;
        });
}

}  // namespace

// The context recordings of the shipped voice change the samples inside the
// allophones and nothing else: the same length, the same marks. The fastest
// speech reads the half-rate voice, whose recordings load on first use.
TEST(CommandLine, ContextSoundsChangeTheSoundButNotItsTimingOrMarks) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    const std::string text = "'Dzień dobry, czy mogę prosić o szklankę wody? Jutro rano pojadę.'";
    for (const char* pitch : {"160", "300"}) {
        SCOPED_TRACE(std::string("Pitch=") + pitch);
        auto speak = [&](const char* value) {
            return Vokrant("--voice-dir '" + kVoiceDir + "' --set Pitch=" + pitch +
                           " --set ContextSounds=" + value + " --marks -o - " + text);
        };
        const SRun with = speak("Yes"), without = speak("No");
        ASSERT_EQ(with.status, 0) << with.err;
        ASSERT_EQ(without.status, 0) << without.err;
        const uint32_t data = CheckWavHeader(with.out);
        ASSERT_EQ(CheckWavHeader(without.out), data);
        ASSERT_EQ(with.out.size(), without.out.size());
        EXPECT_EQ(with.err, without.err) << "the marks";
        EXPECT_FALSE(ParseMarks(with.err).empty());
        size_t changed = 0;
        for (size_t i = 44; i < with.out.size(); i += 2) changed += with.out[i] != without.out[i];
        // Most allophones of everyday text have a recording from their context.
        EXPECT_GT(changed, data / 2 / 4);
    }
}

// A voiceless fricative or affricate before a pause takes the recording made
// before silence; a voiced sound there keeps its own pattern, since the
// intonation gives it its tune. Either way the length and the marks stay.
TEST(CommandLine, OnlyAVoicelessLastSoundChangesWithContextSounds) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    const struct {
        const char* text;
        bool lastSoundChanges;
    } cases[] = {
        {"'Pociąg jest opóźniony o kwadrans.'", true},          // "s"
        {"'Kiedy wrócę z zakupów.'", true},                     // "w" spoken as "f"
        {"'Nasz zespół wygrał ważny mecz.'", true},             // "cz"
        {"'Jutro rano pojadę.'", false},                        // a vowel
        {"'Czy mógłbyś pomóc mi przenieść ten stół?'", false},  // "ł"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto speak = [&](const char* value) {
            return Vokrant("--voice-dir '" + kVoiceDir + "' --set ContextSounds=" + value +
                           " --marks -o - " + c.text);
        };
        const SRun with = speak("Yes"), without = speak("No");
        ASSERT_EQ(with.status, 0) << with.err;
        ASSERT_EQ(without.status, 0) << without.err;
        ASSERT_EQ(with.out.size(), without.out.size());
        EXPECT_EQ(with.err, without.err) << "the marks";
        const uint32_t data = CheckWavHeader(without.out);
        std::vector<int16_t> on(data / 2), off(data / 2);
        std::memcpy(on.data(), with.out.data() + 44, data);
        std::memcpy(off.data(), without.out.data() + 44, data);
        // The last sound ends where the sentence's closing silence begins; its
        // last 25 ms lie inside it (every sound lasts longer than that).
        size_t end = off.size();
        while (end > 0 && off[end - 1] == 0) --end;
        const size_t span = 22050 / 40;
        ASSERT_GT(end, span);
        const bool changed = !std::equal(on.begin() + long(end - span), on.begin() + long(end),
                                         off.begin() + long(end - span));
        EXPECT_EQ(changed, c.lastSoundChanges);
    }
}

// Keeping the formants, the tune warps the periods of the voiced sounds
// instead of reading them at other steps: every length and mark is that of
// the flat sentence, the question still ends above the statement, and
// switched off the tune changes the lengths again, as reading at another
// step does.
TEST(CommandLine, KeepFormantsTunesTheSentenceWithoutChangingItsLengthOrMarks) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    struct SSpoken {
        std::string wav, marks;
        std::vector<int16_t> pcm;
    };
    auto speak = [](const std::string& settings, const std::string& text) {
        SRun run =
            Vokrant("--voice-dir '" + kVoiceDir + "' " + settings + " --marks -o - '" + text + "'");
        EXPECT_EQ(run.status, 0) << run.err;
        const uint32_t data = CheckWavHeader(run.out);
        std::vector<int16_t> pcm(data / 2);
        if (!pcm.empty()) std::memcpy(pcm.data(), run.out.data() + 44, pcm.size() * 2);
        return SSpoken{run.out, run.err, pcm};
    };
    const std::string question = "Czy jutro pojedziemy nad morze?";
    const SSpoken tuned = speak("--set KeepFormants=Yes", question);
    const SSpoken flat = speak("--set KeepFormants=Yes --set Intonation=No", question);
    const SSpoken stepped = speak("--set KeepFormants=No", question);
    EXPECT_EQ(tuned.pcm.size(), flat.pcm.size());
    EXPECT_EQ(tuned.marks, flat.marks);
    EXPECT_NE(tuned.pcm, flat.pcm);
    EXPECT_NE(stepped.pcm.size(), flat.pcm.size());
    EXPECT_EQ(speak("", question).wav, tuned.wav) << "on by default";

    const SSpoken statement = speak("", "Jutro pojedziemy nad morze.");
    const int rate = 22050;
    EXPECT_GT(sentence_tune::FinalPitch(tuned.pcm, rate),
              sentence_tune::FinalPitch(statement.pcm, rate) * 1.05);
}
