// The C interface against the vokrant command: the same PCM, the marks at
// the same samples, offsets in the caller's UTF-8 bytes; stopping from
// another thread; and the errors that bad arguments and bad text get.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "capi_speaking.h"
#include "sentence_tune.h"
#include "vokrant/vokrant.h"

namespace fs = std::filesystem;

namespace {

using namespace capi_test;

const std::string kBinaryDir = VOKRANT_BINARY_DIR;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

fs::path ScratchDir() {
    fs::path dir = fs::temp_directory_path() / ("vokrant-capi-" + std::to_string(getpid()));
    fs::create_directories(dir);
    return dir;
}

// What `vokrant -o` makes of a text: the samples of its WAV file and its
// --marks report (word values are character offsets there).
struct SCommandResult {
    std::vector<int16_t> pcm;
    std::vector<SMark> marks;
};

SCommandResult RunCommand(const std::string& text) {
    fs::path dir = ScratchDir();
    std::ofstream(dir / "in.txt", std::ios::binary) << text;
    std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" + kBinaryDir +
                          "apps/vokrant/vokrant' --voice-dir '" + kVoiceDir +
                          "' --tagged --marks -o '" + (dir / "out.wav").string() + "' < '" +
                          (dir / "in.txt").string() + "' > '" + (dir / "marks.txt").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    SCommandResult result;
    std::string wav = ReadFile(dir / "out.wav");
    if (wav.size() >= 44) {
        result.pcm.resize((wav.size() - 44) / 2);
        std::memcpy(result.pcm.data(), wav.data() + 44, result.pcm.size() * 2);
    }
    std::ifstream marks(dir / "marks.txt");
    std::regex line(R"re(\{"byte":(\d+),"ms":\d+,"type":"(\w+)","value":(-?\d+)\})re");
    for (std::string text; std::getline(marks, text);) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        if (m[2] != "word" && m[2] != "bookmark") continue;
        result.marks.push_back({std::stoull(m[1]) / 2, m[2], std::stoll(m[3])});
    }
    return result;
}

// Byte offset of each character of a UTF-8 text.
std::vector<int64_t> CharacterOffsets(const std::string& text) {
    std::vector<int64_t> offsets;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            offsets.push_back(static_cast<int64_t>(i));
    offsets.push_back(static_cast<int64_t>(text.size()));
    return offsets;
}

class CApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    }
};

TEST_F(CApiTest, ChunksAndMarksMatchTheCommand) {
    const std::string texts[] = {
        "Dzień dobry.",
        "Zażółć gęślą jaźń. Pociąg odjeżdża o 7:05, peron 3.",
        "Przed \\Mrk=7\\ zakładką i po \\Mrk=40000\\ drugiej.",
        "Wolniej: \\Spd=60\\ to jest wolno, \\Spd=120\\ a to szybko!",
    };
    SHandle speaker;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        SSpoken spoken = speaker.Speak(text, VOKRANT_TEXT_TAGGED);
        ASSERT_EQ(spoken.status, VOKRANT_OK) << vokrant_last_error(speaker.handle);
        SCommandResult expected = RunCommand(text);
        ASSERT_FALSE(expected.pcm.empty());
        EXPECT_EQ(spoken.pcm, expected.pcm);
        EXPECT_EQ(spoken.ends, 1);
        EXPECT_LE(spoken.largestChunk, 220u);
        // The command counts word offsets in characters; we give bytes.
        std::vector<int64_t> offsets = CharacterOffsets(text);
        for (SMark& mark : expected.marks)
            if (mark.type == "word") mark.value = offsets.at(static_cast<size_t>(mark.value));
        EXPECT_EQ(spoken.marks, expected.marks);
        EXPECT_FALSE(spoken.marks.empty());
    }
}

TEST_F(CApiTest, BookmarksAfterTheLastWordAreDelivered) {
    const std::string texts[] = {"Koniec.\\Mrk=9\\", "Koniec \\Mrk=9\\", "\\Mrk=9\\"};
    SHandle speaker;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        SSpoken spoken = speaker.Speak(text, VOKRANT_TEXT_TAGGED);
        ASSERT_EQ(spoken.status, VOKRANT_OK);
        ASSERT_FALSE(spoken.marks.empty());
        EXPECT_EQ(spoken.marks.back(), (SMark{spoken.pcm.size(), "bookmark", 9}));
        // The component ends a text without sound before its marks play; with sound it delivers
        // them too.
        if (!spoken.pcm.empty()) {
            EXPECT_EQ(spoken.marks, RunCommand(text).marks);
        }
    }
}

TEST_F(CApiTest, WordOffsetsPointAtWordsInTheCallersBytes) {
    struct SCase {
        std::string text;
        unsigned flags;
        std::vector<int64_t> wordOffsets;
    };
    const SCase cases[] = {
        {"Żółw i jeż.", 0, {0, 8, 10}},
        {"\xAF\xF3\xB3w i je\xBF.", VOKRANT_TEXT_CP1250, {0, 5, 7}},  // the same in Windows-1250
        {"Mam 21 lat.", 0, {0, 4, 4, 7}},  // "dwadzieścia jeden": two words, one place
        {"\xE2\x82\xAC\xE2\x82\xAC ćma",
         0,
         {7}},  // "??" is silent, yet the euro signs count their bytes
    };
    SHandle speaker;
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.text);
        SSpoken spoken = speaker.Speak(c.text, c.flags);
        ASSERT_EQ(spoken.status, VOKRANT_OK) << vokrant_last_error(speaker.handle);
        std::vector<int64_t> words;
        for (const SMark& mark : spoken.marks)
            if (mark.type == "word") words.push_back(mark.value);
        EXPECT_EQ(words, c.wordOffsets);
    }
}

TEST_F(CApiTest, StopFromAnotherThreadEndsWithinOneChunk) {
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "To jest bardzo długi tekst, który czyta się kilka minut. ";
    SHandle speaker;
    struct SState {
        std::atomic<uint64_t> samples{0};
        std::atomic<bool> started{false};
    } state;
    auto count = [](const vokrant_event* event, void* user) -> int {
        auto& s = *static_cast<SState*>(user);
        if (event->type == VOKRANT_EVENT_AUDIO) {
            s.samples += event->sample_count;
            s.started = true;
            std::this_thread::sleep_for(
                std::chrono::microseconds(200));  // play a little slower than synthesis
        }
        return 0;
    };
    int status = -100;
    std::thread speaking([&] {
        status = vokrant_speak(speaker.handle, text.c_str(), (size_t)-1, 0, count, &state);
    });
    while (!state.started) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    vokrant_stop(speaker.handle);
    // At most the piece that passed its check before the stop can still come.
    const uint64_t atStop = state.samples;
    speaking.join();
    EXPECT_EQ(status, VOKRANT_STOPPED);
    EXPECT_LE(state.samples - atStop, 220u) << "sound after the stop";
    EXPECT_LT(state.samples.load(), 22050u * 60);
    // The handle speaks again after a stop.
    EXPECT_EQ(speaker.Speak("Jeszcze raz.").status, VOKRANT_OK);
}

TEST_F(CApiTest, CallbackAnswerStopsAndSpeakingFromItIsRefused) {
    SHandle speaker;
    struct SState {
        vokrant* handle;
        int inner = 0;
        int calls = 0;
    } state{speaker.handle};
    auto stopAtOnce = [](const vokrant_event* event, void* user) -> int {
        auto& s = *static_cast<SState*>(user);
        ++s.calls;
        if (event->type != VOKRANT_EVENT_AUDIO) return 0;
        s.inner = vokrant_speak(
            s.handle, "x", 1, 0, [](const vokrant_event*, void*) { return 0; }, nullptr);
        return 1;
    };
    EXPECT_EQ(
        vokrant_speak(speaker.handle, "Dzień dobry, świecie.", (size_t)-1, 0, stopAtOnce, &state),
        VOKRANT_STOPPED);
    EXPECT_EQ(state.inner, VOKRANT_ERROR_BUSY);
    EXPECT_LE(state.calls, 3);
}

TEST_F(CApiTest, BadArgumentsAndBadTextGetClearErrors) {
    SHandle speaker;
    vokrant* h = speaker.handle;
    static auto none = [](const vokrant_event*, void*) { return 0; };
    using SCall = std::function<int()>;
    struct SCase {
        const char* what;
        SCall call;
        int expected;
        const char* message;  // part of vokrant_last_error after the call ("" for a null handle)
    };
    const SCase cases[] = {
        {"null handle", [] { return vokrant_speak(nullptr, "a", 1, 0, none, nullptr); },
         VOKRANT_ERROR_ARGUMENT, ""},
        {"null text", [h] { return vokrant_speak(h, nullptr, 1, 0, none, nullptr); },
         VOKRANT_ERROR_ARGUMENT, "no text"},
        {"null callback", [h] { return vokrant_speak(h, "a", 1, 0, nullptr, nullptr); },
         VOKRANT_ERROR_ARGUMENT, "no callback"},
        {"unknown flag", [h] { return vokrant_speak(h, "a", 1, 8, none, nullptr); },
         VOKRANT_ERROR_ARGUMENT, "unknown flags"},
        {"overlong", [h] { return vokrant_speak(h, "ab\xC0\xAF", 4, 0, none, nullptr); },
         VOKRANT_ERROR_TEXT, "UTF-8 (at byte 2)"},
        {"surrogate", [h] { return vokrant_speak(h, "\xED\xA0\x80", 3, 0, none, nullptr); },
         VOKRANT_ERROR_TEXT, "at byte 0"},
        {"cut sequence", [h] { return vokrant_speak(h, "abc\xE2\x82", 5, 0, none, nullptr); },
         VOKRANT_ERROR_TEXT, "at byte 3"},
        {"beyond U+10FFFF",
         [h] { return vokrant_speak(h, "\xF4\x90\x80\x80", 4, 0, none, nullptr); },
         VOKRANT_ERROR_TEXT, "at byte 0"},
        {"lone continuation", [h] { return vokrant_speak(h, "a\x80", 2, 0, none, nullptr); },
         VOKRANT_ERROR_TEXT, "at byte 1"},
        {"unknown setting", [h] { return vokrant_set(h, "NoSuchThing", "1"); },
         VOKRANT_ERROR_SETTING, "NoSuchThing"},
        {"bad yes/no", [h] { return vokrant_set(h, "ConvertDate", "maybe"); },
         VOKRANT_ERROR_SETTING, "Yes or No"},
        {"bad number", [h] { return vokrant_set(h, "PauseInterWord", "12x"); },
         VOKRANT_ERROR_SETTING, "a number"},
        {"null setting", [h] { return vokrant_set(h, nullptr, "1"); }, VOKRANT_ERROR_ARGUMENT,
         "null"},
        {"speed too low", [h] { return vokrant_set_speed(h, 39); }, VOKRANT_ERROR_ARGUMENT,
         "40..200"},
        {"pitch too high", [h] { return vokrant_set_pitch(h, 401); }, VOKRANT_ERROR_ARGUMENT,
         "80..400"},
        {"negative volume", [h] { return vokrant_set_volume(h, -1); }, VOKRANT_ERROR_ARGUMENT,
         "0..65535"},
        {"long pause", [h] { return vokrant_set_pause(h, VOKRANT_PAUSE_WORD, 10001); },
         VOKRANT_ERROR_ARGUMENT, "0..10000"},
        {"unknown pause", [h] { return vokrant_set_pause(h, 9, 1); }, VOKRANT_ERROR_ARGUMENT,
         "unknown pause"},
        {"unknown switch", [h] { return vokrant_set_switch(h, -1, 1); }, VOKRANT_ERROR_ARGUMENT,
         "unknown switch"},
        {"null handle setter", [] { return vokrant_set_speed(nullptr, 80); },
         VOKRANT_ERROR_ARGUMENT, ""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), c.expected);
        EXPECT_NE(std::string(vokrant_status_text(c.expected)), "unknown status");
        EXPECT_NE(std::string(vokrant_last_error(h)).find(c.message), std::string::npos)
            << vokrant_last_error(h);
    }
    // Windows-1250 takes every byte; the handle still speaks after the failures.
    EXPECT_EQ(speaker.Speak("\xC0\xAF\x80", VOKRANT_TEXT_CP1250).status, VOKRANT_OK);
    EXPECT_EQ(speaker.Speak("").status, VOKRANT_OK);
}

TEST_F(CApiTest, MissingVoiceIsReportedAndNothingIsReturned) {
    int status = 0;
    vokrant* handle = vokrant_new("/nonexistent/voice", nullptr, &status);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(status, VOKRANT_ERROR_VOICE);
    EXPECT_NE(std::string(vokrant_last_error(nullptr)).find("/nonexistent/voice"),
              std::string::npos);
    EXPECT_EQ(vokrant_new("/nonexistent/voice", nullptr, nullptr),
              nullptr);  // a null status is allowed
    vokrant_free(nullptr);
}

TEST_F(CApiTest, SettersChangeWhatIsSpoken) {
    const std::string text = "Dnia 12.03.2024 o 10:15. Koniec.";
    SHandle speaker;
    const size_t normal = speaker.Speak(text).pcm.size();
    struct SCase {
        const char* what;
        std::function<int(vokrant*)> change;
        std::function<int(vokrant*)> undo;
        bool longer;
    };
    const SCase cases[] = {
        {"slower", [](vokrant* h) { return vokrant_set_speed(h, 40); },
         [](vokrant* h) { return vokrant_set_speed(h, 80); }, true},
        {"faster by pitch", [](vokrant* h) { return vokrant_set_pitch(h, 240); },
         [](vokrant* h) { return vokrant_set_pitch(h, 160); }, false},
        {"long sentence pause",
         [](vokrant* h) { return vokrant_set_pause(h, VOKRANT_PAUSE_SENTENCE, 3000); },
         [](vokrant* h) { return vokrant_set_pause(h, VOKRANT_PAUSE_SENTENCE, 500); }, true},
        {"times as numbers",
         [](vokrant* h) { return vokrant_set_switch(h, VOKRANT_SWITCH_TIMES, 0); },
         [](vokrant* h) { return vokrant_set_switch(h, VOKRANT_SWITCH_TIMES, 1); }, false},
        {"speed by name", [](vokrant* h) { return vokrant_set(h, "speed", "160"); },
         [](vokrant* h) { return vokrant_set(h, "Speed", "80"); }, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.change(speaker.handle), VOKRANT_OK);
        const size_t changed = speaker.Speak(text).pcm.size();
        ASSERT_EQ(c.undo(speaker.handle), VOKRANT_OK);
        if (c.longer)
            EXPECT_GT(changed, normal);
        else
            EXPECT_NE(changed, normal);
        EXPECT_EQ(speaker.Speak(text).pcm.size(), normal) << "undone";
    }
}

// A dictionary named after the handle was made is read before the next
// text; naming the shipped one again brings its reading back.
TEST_F(CApiTest, ANewDictionaryIsReadBeforeTheNextText) {
    const fs::path dictionary = ScratchDir() / "words.exp";
    std::ofstream(dictionary, std::ios::binary) << "koniec to jest naprawde koniec\r\n";
    SHandle speaker;
    const std::string text = "Koniec.";
    const size_t shipped = speaker.Speak(text).pcm.size();
    ASSERT_EQ(vokrant_set(speaker.handle, "ExtDict", dictionary.string().c_str()), VOKRANT_OK);
    EXPECT_GT(speaker.Speak(text).pcm.size(), shipped);
    ASSERT_EQ(vokrant_set(speaker.handle, "ExtDict", "client.exp"), VOKRANT_OK);
    EXPECT_EQ(speaker.Speak(text).pcm.size(), shipped);
    fs::remove(dictionary);
}

// A front end that scales around the user's own volume reads it back.
TEST_F(CApiTest, VolumeReadsBackAsItWasSetEitherWay) {
    SHandle speaker;
    EXPECT_EQ(vokrant_get_volume(speaker.handle), VOKRANT_MAX_VOLUME);  // built-in default
    ASSERT_EQ(vokrant_set_volume(speaker.handle, 1234), VOKRANT_OK);
    EXPECT_EQ(vokrant_get_volume(speaker.handle), 1234);
    ASSERT_EQ(vokrant_set(speaker.handle, "Volume", "4321"), VOKRANT_OK);
    EXPECT_EQ(vokrant_get_volume(speaker.handle), 4321);
    EXPECT_EQ(vokrant_set_volume(speaker.handle, 70000), VOKRANT_ERROR_ARGUMENT);
    EXPECT_EQ(vokrant_get_volume(speaker.handle), 4321);
    EXPECT_EQ(vokrant_get_volume(nullptr), VOKRANT_ERROR_ARGUMENT);
}

TEST_F(CApiTest, QuestionsRiseAndCommasRiseLess) {
    SHandle speaker;
    sentence_tune::ExpectQuestionsRiseAndCommasRiseLess(
        [&](const std::string& text, bool intonation) {
            EXPECT_EQ(vokrant_set_switch(speaker.handle, VOKRANT_SWITCH_INTONATION, intonation),
                      VOKRANT_OK);
            SSpoken spoken = speaker.Speak(text);
            EXPECT_EQ(spoken.status, VOKRANT_OK);
            return spoken.pcm;
        },
        vokrant_sample_rate(speaker.handle));
}

// Smoothed joins change samples near the joins only: the same length, the
// same marks, and with the switch off the sound of the recordings as cut.
TEST_F(CApiTest, SmoothJoinsChangeOnlyTheSamplesAroundJoins) {
    const std::string text = "Ala ma mało wina, a Ola lubi mleko.";
    SHandle speaker;
    ASSERT_EQ(vokrant_set(speaker.handle, "SmoothJoins", "Yes"), VOKRANT_OK);
    const SSpoken smooth = speaker.Speak(text);
    ASSERT_EQ(vokrant_set(speaker.handle, "SmoothJoins", "No"), VOKRANT_OK);
    const SSpoken plain = speaker.Speak(text);
    ASSERT_EQ(smooth.pcm.size(), plain.pcm.size());
    EXPECT_EQ(smooth.marks, plain.marks);
    size_t changed = 0;
    for (size_t i = 0; i < plain.pcm.size(); ++i) changed += smooth.pcm[i] != plain.pcm[i];
    EXPECT_GT(changed, 0u);
    // 6 ms per join, a join every 60 ms or more: at most a tenth of the sound.
    EXPECT_LT(changed, plain.pcm.size() / 10);
    ASSERT_EQ(vokrant_set(speaker.handle, "SmoothJoins", "Yes"), VOKRANT_OK);
    EXPECT_EQ(speaker.Speak(text).pcm, smooth.pcm);
}

// The voice's own pitch moves the pitch the listener hears and keeps every
// duration; the setting's extremes are clamped to the range the voice moves
// cleanly (70 to 150 per cent); values outside the setting's range are refused.
TEST_F(CApiTest, VoicePitchMovesThePitchAndKeepsEverySample) {
    const std::string text = "Wczoraj wieczorem padał gęsty śnieg, a dzieci bawiły się w ogrodzie.";
    SHandle speaker;
    const int rate = vokrant_sample_rate(speaker.handle);
    const SSpoken natural = speaker.Speak(text);
    const double naturalHz = sentence_tune::MedianPitch(natural.pcm, rate);
    const struct {
        int percent;
        double heard;  // the pitch ratio a listener should hear
    } cases[] = {{130, 1.3}, {85, 0.85}, {50, 0.7}, {200, 1.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        ASSERT_EQ(vokrant_set_voice_pitch(speaker.handle, c.percent), VOKRANT_OK);
        const SSpoken moved = speaker.Speak(text);
        EXPECT_EQ(moved.pcm.size(), natural.pcm.size()) << "durations stay";
        EXPECT_EQ(moved.marks, natural.marks);
        EXPECT_NEAR(sentence_tune::MedianPitch(moved.pcm, rate) / naturalHz, c.heard, 0.06);
    }
    EXPECT_NE(vokrant_set_voice_pitch(speaker.handle, 49), VOKRANT_OK);
    EXPECT_NE(vokrant_set_voice_pitch(speaker.handle, 201), VOKRANT_OK);
    ASSERT_EQ(vokrant_set_voice_pitch(speaker.handle, 100), VOKRANT_OK);
    EXPECT_EQ(speaker.Speak(text).pcm, natural.pcm);
}

TEST_F(CApiTest, SettingsFolderIsReadAndAnotherVoiceDirectoryIsRefused) {
    fs::path dir = ScratchDir() / "settings";
    fs::remove_all(dir);
    int status = 0;
    vokrant* first = vokrant_new(kVoiceDir.c_str(), dir.c_str(), &status);
    ASSERT_EQ(status, VOKRANT_OK) << vokrant_last_error(nullptr);
    vokrant_free(first);
    EXPECT_TRUE(fs::exists(dir / "user.reg")) << "a fresh settings folder gets the defaults";
    // The voice is shared by the process: a second directory cannot replace it.
    fs::path copy = ScratchDir() / "voice-copy";
    fs::create_directories(copy);
    fs::copy_file(kVoiceDir + "pln_22.als", copy / "pln_22.als",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(kVoiceDir + "pln_11.als", copy / "pln_11.als",
                  fs::copy_options::overwrite_existing);
    EXPECT_EQ(vokrant_new(copy.c_str(), nullptr, &status), nullptr);
    EXPECT_EQ(status, VOKRANT_ERROR_VOICE);
    EXPECT_NE(std::string(vokrant_last_error(nullptr)).find("already in use"), std::string::npos);
}

TEST_F(CApiTest, ExampleProgramWritesTheSameSoundAsTheCommand) {
    fs::path out = ScratchDir() / "example.wav";
    const std::string text = "Przykład w języku C.";
    std::string command = "'" + kBinaryDir + "examples/speak_to_wav' '" + kVoiceDir + "' '" +
                          out.string() + "' '" + text + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::string wav = ReadFile(out);
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    std::vector<int16_t> pcm((wav.size() - 44) / 2);
    std::memcpy(pcm.data(), wav.data() + 44, pcm.size() * 2);
    EXPECT_EQ(pcm, RunCommand(text).pcm);
}

}  // namespace
