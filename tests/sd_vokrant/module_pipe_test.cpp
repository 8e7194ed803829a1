// sd_vokrant driven over its pipes as speech-dispatcher drives it: the
// handshake, voices, settings, speaking with marks (the sound in the 705
// blocks is the C interface's sound for the same text), stop and pause in
// the middle of a text, the other message kinds, malformed input and QUIT.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "module_process.h"
#include "sentence_tune.h"
#include "server_playback.h"
#include "ssml_text.h"
#include "vokrant/vokrant.h"

namespace fs = std::filesystem;

namespace {

const std::string kModule = std::string(VOKRANT_BINARY_DIR) + "apps/sd_vokrant/sd_vokrant";
const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

fs::path ScratchDir() {
    fs::path dir = fs::temp_directory_path() / ("sd-vokrant-test-" + std::to_string(getpid()));
    fs::create_directories(dir);
    return dir;
}

// A configuration file naming the repository's voice (and a sound-icon folder).
std::string ConfigFile(const std::string& soundIconDir = "") {
    fs::path file = ScratchDir() / "vokrant.conf";
    std::ofstream out(file);
    out << "# test\nVokrantVoiceDir \"" << kVoiceDir << "\"\n";
    if (!soundIconDir.empty()) out << "VokrantSoundIconFolder \"" << soundIconDir << "\"\n";
    return file.string();
}

int Peak(const std::vector<int16_t>& pcm) {
    int peak = 0;
    for (int16_t s : pcm) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// What one spoken message came back as.
struct SHeard {
    std::vector<std::string> events;  // every line but the audio blocks' own
    std::vector<int16_t> pcm;
    std::vector<std::pair<std::string, size_t>> marks;  // name, samples before it
    size_t blocks = 0;
    bool malformedAudio = false;
};

const std::vector<std::string> kFinalEvents = {"702", "703", "704", "301", "305"};

// Reads a message's answer up to one of the final events; the sound and
// marks also go to `server` as they arrive.
SHeard Listen(SModuleProcess& module, const std::vector<std::string>& finals = kFinalEvents,
              SServerPlayback* server = nullptr) {
    SHeard heard;
    std::string pendingMark;
    for (std::string line; module.ReadLine(line);) {
        const auto now = std::chrono::steady_clock::now();
        if (line.rfind("705-AUDIO", 0) == 0) {
            const size_t before = heard.pcm.size();
            heard.malformedAudio |= !DecodeAudioLine(line, heard.pcm);
            ++heard.blocks;
            if (server != nullptr) server->Audio(heard.pcm.size() - before, now);
            continue;
        }
        if (line.rfind("705-", 0) == 0 || line == "705 AUDIO") continue;
        heard.events.push_back(line);
        if (line.rfind("700-", 0) == 0) {
            heard.marks.push_back({line.substr(4), heard.pcm.size()});
            if (server != nullptr) server->Mark(line.substr(4), now);
        }
        for (const std::string& code : finals)
            if (line.rfind(code, 0) == 0) return heard;
    }
    heard.events.push_back("<timeout>");
    return heard;
}

// The C interface's sound and bookmark positions for a tagged text.
struct SLibrarySound {
    std::vector<int16_t> pcm;
    std::vector<size_t> bookmarkSamples;
};

SLibrarySound LibrarySound(const std::string& tagged) {
    SLibrarySound sound;
    vokrant* voice = vokrant_new(kVoiceDir.c_str(), nullptr, nullptr);
    EXPECT_NE(voice, nullptr) << vokrant_last_error(nullptr);
    if (!voice) return sound;
    vokrant_speak(
        voice, tagged.data(), tagged.size(), VOKRANT_TEXT_TAGGED,
        [](const vokrant_event* event, void* user) {
            auto& s = *static_cast<SLibrarySound*>(user);
            if (event->type == VOKRANT_EVENT_AUDIO)
                s.pcm.insert(s.pcm.end(), event->samples, event->samples + event->sample_count);
            if (event->type == VOKRANT_EVENT_BOOKMARK)
                s.bookmarkSamples.push_back(event->sample_position);
            return 0;
        },
        &sound);
    vokrant_free(voice);
    return sound;
}

// A settings folder (the library writes its defaults) with the intonation
// switched off, as the settings program saves it.
fs::path SettingsWithoutIntonation() {
    fs::path dir = fs::temp_directory_path() / ("sd-vokrant-flat-" + std::to_string(getpid()));
    fs::remove_all(dir);
    vokrant_free(vokrant_new(kVoiceDir.c_str(), dir.c_str(), nullptr));
    std::ifstream in(dir / "user.reg");
    std::string hive(std::istreambuf_iterator<char>(in), {});
    const std::string on = "\"Intonation\"=\"Yes\"";
    size_t at = hive.find(on);
    EXPECT_NE(at, std::string::npos) << hive;
    if (at != std::string::npos) hive.replace(at, on.size(), "\"Intonation\"=\"No\"");
    std::ofstream(dir / "user.reg", std::ios::binary | std::ios::trunc) << hive;
    return dir;
}

class ModulePipeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kVoiceDir + "pln_22.als")) GTEST_SKIP() << "no voice";
        setenv("VOKRANT_CONFIG_DIR",
               (fs::temp_directory_path() / ("sd-vokrant-cfg-" + std::to_string(getpid()))).c_str(),
               1);
    }

    // Starts the module and takes it through INIT and AUDIO.
    std::unique_ptr<SModuleProcess> Start(int stdoutPipeSize = 0,
                                          const std::string& config = ConfigFile()) {
        auto module = std::make_unique<SModuleProcess>(kModule, config, stdoutPipeSize);
        module->Send("INIT\n");
        auto lines = module->ReadUntil({"299 ", "399 "});
        EXPECT_EQ(lines.back(), "299 OK LOADED SUCCESSFULLY");
        module->Send("AUDIO\naudio_output_method=server\n.\n");
        EXPECT_EQ(module->ReadUntil({"203", "303"}).back(), "203 OK AUDIO INITIALIZED");
        return module;
    }

    // Starts the module with a configuration file of its own.
    std::unique_ptr<SModuleProcess> StartWith(const std::string& config) {
        fs::path file =
            fs::temp_directory_path() / ("sd-vokrant-conf-" + std::to_string(getpid()) + ".conf");
        std::ofstream(file) << config;
        auto module = std::make_unique<SModuleProcess>(kModule, file.string());
        module->Send("INIT\n");
        EXPECT_EQ(module->ReadUntil({"299 ", "399 "}).back(), "299 OK LOADED SUCCESSFULLY");
        module->Send("AUDIO\naudio_output_method=server\n.\n");
        EXPECT_EQ(module->ReadUntil({"203", "303"}).back(), "203 OK AUDIO INITIALIZED");
        return module;
    }

    static void SpeakMessage(SModuleProcess& module, const std::string& command,
                             const std::string& data) {
        module.Send(command + "\n" + data + "\n.\n");
    }
};

TEST_F(ModulePipeTest, HandshakeVoicesAndSettings) {
    auto module = Start();
    struct SExchange {
        std::string send;
        std::vector<std::string> expected;
    };
    const SExchange exchanges[] = {
        {"LIST VOICES\n", {"200-vokrant\tpl\tnone", "200 OK VOICE LIST SENT"}},
        {"LIST VOICES pl\n", {"200-vokrant\tpl\tnone", "200 OK VOICE LIST SENT"}},
        {"LIST VOICES en\n", {"304 CANT LIST VOICES"}},
        {"SET\nrate=20\npitch=0\npitch_range=0\nvolume=100\npunctuation_mode=some\nspelling_mode="
         "off\ncap_let_recogn=none\n"
         "voice=male1\nlanguage=pl\nsynthesis_voice=NULL\n.\n",
         {"203 OK RECEIVING SETTINGS", "203 OK SETTINGS RECEIVED"}},
        {"SET\nrate=fast\n.\n",
         {"203 OK RECEIVING SETTINGS", "303 ERROR INVALID PARAMETER OR VALUE"}},
        {"SET\nno equals sign\n.\n",
         {"203 OK RECEIVING SETTINGS", "303 ERROR INVALID PARAMETER OR VALUE"}},
        {"AUDIO\naudio_output_method=alsa\n.\n",
         {"207 OK RECEIVING AUDIO SETTINGS", "303 ERROR INVALID PARAMETER OR VALUE"}},
        {"LOGLEVEL\nlog_level=3\n.\n",
         {"207 OK RECEIVING LOGLEVEL SETTINGS", "203 OK LOGLEVEL SET"}},
        {"HELLO\n", {"300 ERR UNKNOWN COMMAND"}},
        {"STOP\nPAUSE\nLIST VOICES\n",
         {"200-vokrant\tpl\tnone", "200 OK VOICE LIST SENT"}},  // nothing to stop: no answer
    };
    for (const SExchange& e : exchanges) {
        SCOPED_TRACE(e.send);
        module->Send(e.send);
        std::vector<std::string> got;
        for (size_t i = 0; i < e.expected.size(); ++i) {
            std::string line;
            if (!module->ReadLine(line)) break;
            got.push_back(line);
        }
        EXPECT_EQ(got, e.expected);
    }
    module->Send("QUIT\n");
    EXPECT_EQ(module->ReadUntil({"210"}).back(), "210 OK QUIT");
    EXPECT_EQ(module->Wait(), 0);
}

TEST_F(ModulePipeTest, SpokenSsmlIsTheLibrarysSoundWithMarksInPlace) {
    auto module = Start();
    module->Send("SET\nrate=0\nvolume=100\npunctuation_mode=none\nspelling_mode=off\n.\n");
    ASSERT_EQ(module->ReadUntil({"203 OK SETTINGS", "303"}).back(), "203 OK SETTINGS RECEIVED");
    const std::string ssml =
        "<speak><mark name=\"__spd_1\"/>Dzień dobry.<mark name=\"__spd_2\"/> Jak się masz &amp; co "
        "słychać?<break time=\"200ms\"/><mark name=\"__spd_3\"/> Dobrze.<mark "
        "name=\"__spd_end\"/></speak>";
    SpeakMessage(*module, "SPEAK", ssml);
    SHeard heard = Listen(*module);
    ASSERT_GE(heard.events.size(), 3u);
    EXPECT_EQ(heard.events[0], "202 OK RECEIVING MESSAGE");
    EXPECT_EQ(heard.events[1], "200 OK SPEAKING");
    EXPECT_EQ(heard.events[2], "701 BEGIN");
    EXPECT_EQ(heard.events.back(), "702 END");
    EXPECT_FALSE(heard.malformedAudio);

    SLibrarySound expected = LibrarySound(SsmlToTaggedText(ssml, SSsmlState{}).text);
    EXPECT_EQ(heard.pcm, expected.pcm);
    ASSERT_EQ(heard.marks.size(), 4u);
    const char* names[] = {"__spd_1", "__spd_2", "__spd_3", "__spd_end"};
    ASSERT_EQ(expected.bookmarkSamples.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(heard.marks[i].first, names[i]);
        // Sent once all the sound before it has gone out, and none after it.
        EXPECT_EQ(heard.marks[i].second, expected.bookmarkSamples[i]) << names[i];
    }
    EXPECT_EQ(heard.marks[0].second, 0u);
    EXPECT_EQ(heard.marks[3].second, heard.pcm.size());
}

TEST_F(ModulePipeTest, StopEndsALongTextAtOnce) {
    // The smallest pipe: the module cannot run far ahead of what is read.
    auto module = Start(4096);
    std::string text = "<speak>";
    for (int i = 0; i < 30; ++i)
        text += "To jest długi tekst, który czytałby się ponad minutę. <mark name=\"__spd_" +
                std::to_string(i) + "\"/>";
    text += "</speak>";
    SpeakMessage(*module, "SPEAK", text);
    SHeard start = Listen(*module, {"701"});
    ASSERT_EQ(start.events.back(), "701 BEGIN");
    // Let the module fill the pipe and wait on it, then stop.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const size_t alreadyRead = module->Buffered();
    module->Send("STOP\n");
    SHeard rest = Listen(*module);
    EXPECT_EQ(rest.events.back(), "703 STOP");
    // What was already on its way (read by us or in the pipe), plus the one
    // 10 ms block the module may have been writing when the stop came.
    EXPECT_LE(rest.pcm.size() * 2, alreadyRead + 4096u + 2 * 220) << "sound after the stop";
    // The module takes the next text at once.
    SpeakMessage(*module, "SPEAK", "<speak>Dalej.</speak>");
    SHeard next = Listen(*module);
    EXPECT_EQ(next.events.back(), "702 END");
    EXPECT_GT(next.pcm.size(), 0u);
}

// speech-dispatcher's own marks, put in as its server does: after a '.',
// '?' or '!' followed by a blank, '<' or '&', outside markup, numbered from 0.
std::string WithServerMarks(const std::string& ssml) {
    std::string marked;
    bool insideTag = false;
    int n = 0;
    for (size_t i = 0; i < ssml.size(); ++i) {
        const char c = ssml[i];
        marked += c;
        insideTag = c == '<' ? true : c == '>' ? false : insideTag;
        const char next = i + 1 < ssml.size() ? ssml[i + 1] : '\0';
        if (!insideTag && (c == '.' || c == '?' || c == '!') &&
            (next == ' ' || next == '\n' || next == '<' || next == '&'))
            marked += "<mark name=\"__spd_" + std::to_string(n++) + "\"/>";
    }
    return marked;
}

// What the server sends on RESUME: the text after the mark it paused at (the
// whole text for a number below 0), its own marks stripped, after <speak>,
// marked anew.
std::string ServerResumeText(const std::string& marked, const std::string& pauseMark) {
    std::string rest = marked;
    if (pauseMark != "__spd_-1") {
        const std::string tag = "<mark name=\"" + pauseMark + "\"/>";
        rest = marked.substr(marked.find(tag) + tag.size());
    }
    std::string stripped = "<speak>";
    for (size_t at = 0; at < rest.size();) {
        const size_t mark = rest.find("<mark name=\"__spd_", at);
        stripped += rest.substr(at, mark == std::string::npos ? mark : mark - at);
        if (mark == std::string::npos) break;
        at = rest.find('>', mark) + 1;
    }
    return WithServerMarks(stripped);
}

std::vector<std::string> ClientMarks(const SHeard& heard) {
    std::vector<std::string> names;
    for (const auto& [name, position] : heard.marks)
        if (name.rfind("__spd_", 0) != 0) names.push_back(name);
    return names;
}

// A message paused once and resumed as the server resumes it.
struct SPauseCase {
    const char* name;
    std::string ssml;          // without the server's marks
    std::string pauseAfter;    // the line after which PAUSE is sent
    int delayMs;               // and how long after it
    std::string pausedAtMark;  // the server mark the pause must come after ("": any)
};

std::vector<SPauseCase> PauseCases() {
    std::string sentences = "<speak>";
    for (int i = 0; i < 3; ++i)
        sentences += "Zdanie numer " + std::to_string(i) + " jest dość długie, <mark name=\"own" +
                     std::to_string(i) + "\"/>żeby było co przerwać. ";
    sentences += "</speak>";
    // The server's mark after "abc." lies inside the spelled element: the
    // resumed text starts after it, without the element's start.
    const std::string spelled =
        "<speak>Zaczynamy. <say-as interpret-as=\"characters\">abc. defghijkl<mark "
        "name=\"own0\"/>mnoprstuwz</say-as> Koniec.<mark name=\"own1\"/></speak>";
    const std::string slower =
        "<speak>Raz. <prosody rate=\"x-slow\">Dwa trzy. Cztery pięć sześć siedem osiem.<mark "
        "name=\"own0\"/></prosody> Dziewięć dziesięć.</speak>";
    // A word of 90 ms just after a sentence's end: its sound and the next
    // word's start may go out before the server has played the mark.
    const std::string shortWord =
        "<speak><prosody rate=\"250%\">Pierwsze zdanie jest tutaj. I<mark name=\"own0\"/> "
        "drugie zdanie<mark name=\"own1\"/> jest tutaj.</prosody></speak>";
    return {
        {"a short word after a sentence end", shortWord, "700-__spd_0", 10, ""},
        {"a short word after a sentence end, later", shortWord, "700-__spd_0", 40, ""},
        {"a short word after a sentence end, later still", shortWord, "700-__spd_0", 70, ""},
        {"early", sentences, "701", 300, ""},
        {"late", sentences, "701", 2600, ""},
        // Just after a sentence's end, where the server's mark is still close ahead.
        {"after a sentence end", sentences, "700-__spd_0", 30, "__spd_0"},
        {"after a sentence end, later", sentences, "700-__spd_0", 120, "__spd_0"},
        {"inside spelled text", spelled, "700-__spd_1", 900, "__spd_1"},
        {"inside a slower stretch", slower, "700-__spd_1", 600, "__spd_1"},
    };
}

std::vector<std::string> OwnMarks(const std::string& ssml) {
    std::vector<std::string> names;
    for (size_t at = ssml.find("name=\"own"); at != std::string::npos;
         at = ssml.find("name=\"own", at + 1))
        names.push_back(ssml.substr(at + 6, ssml.find('"', at + 6) - at - 6));
    return names;
}

void Append(SHeard& to, const SHeard& from) {
    for (const auto& [name, samples] : from.marks)
        to.marks.push_back({name, samples + to.pcm.size()});
    to.pcm.insert(to.pcm.end(), from.pcm.begin(), from.pcm.end());
    to.events.insert(to.events.end(), from.events.begin(), from.events.end());
}

// Played as the server plays it, stopped where the server stops, resumed as
// the server resumes: every word and mark exactly once.
TEST_F(ModulePipeTest, PauseStopsAtTheNextWordAndResumingLosesAndRepeatsNothing) {
    for (const SPauseCase& c : PauseCases()) {
        SCOPED_TRACE(c.name);
        const std::string marked = WithServerMarks(c.ssml);
        const size_t wholeSamples =
            LibrarySound(SsmlToTaggedText(marked, SSsmlState{}).text).pcm.size();
        auto module = Start(4096);
        SServerPlayback server(22050);
        SpeakMessage(*module, "SPEAK", marked);
        SHeard first = Listen(*module, {c.pauseAfter}, &server);
        ASSERT_EQ(first.events.back().rfind(c.pauseAfter, 0), 0u) << first.events.back();
        std::this_thread::sleep_for(std::chrono::milliseconds(c.delayMs));
        server.Pause(std::chrono::steady_clock::now());
        module->Send("PAUSE\n");
        Append(first, Listen(*module, kFinalEvents, &server));
        ASSERT_EQ(first.events.back(), "704 PAUSE");
        // The module's last mark is a server mark, and no sound follows it.
        EXPECT_EQ(first.marks.back().first.rfind("__spd_", 0), 0u) << first.marks.back().first;
        EXPECT_EQ(first.marks.back().second, first.pcm.size());
        const SServerPlayback::SStop stop = server.Stop();
        ASSERT_TRUE(stop.found);
        if (!c.pausedAtMark.empty()) {
            EXPECT_EQ(stop.mark, c.pausedAtMark);
        }

        SpeakMessage(*module, "SPEAK", ServerResumeText(marked, stop.mark));
        SHeard rest = Listen(*module);
        ASSERT_EQ(rest.events.back(), "702 END");
        std::vector<std::string> heardMarks;
        for (const std::string& name : stop.marksPlayed)
            if (name.rfind("__spd_", 0) != 0) heardMarks.push_back(name);
        for (const std::string& name : ClientMarks(rest)) heardMarks.push_back(name);
        EXPECT_EQ(heardMarks, OwnMarks(c.ssml));
        // Every word once, and read as before: the two parts are as long as the whole.
        const double total = static_cast<double>(stop.samplesPlayed + rest.pcm.size());
        EXPECT_NEAR(total / wholeSamples, 1.0, 0.01)
            << stop.samplesPlayed << " + " << rest.pcm.size() << " of " << wholeSamples;
    }
}

TEST_F(ModulePipeTest, OtherMessagesAndBadInputNeverHang) {
    auto module = Start();
    struct SCase {
        const char* what;
        std::string command, data;
        std::string last;
        bool sound;
    };
    const SCase cases[] = {
        {"key", "KEY", "shift_a", "702 END", true},
        {"character", "CHAR", "ż", "702 END", true},
        {"character space", "CHAR", "space", "702 END", true},
        {"sound icon without a file: its name", "SOUND_ICON", "message", "702 END", true},
        {"sound icon outside the folder", "SOUND_ICON", "../../etc/passwd", "702 END", true},
        {"two-line key", "KEY", "a\nb", "305 DATA MORE THAN ONE LINE", false},
        {"empty text", "SPEAK", "", "301 ERROR CANT SPEAK", false},
        {"malformed ssml", "SPEAK", "<speak>Ala <mark name=\"x\" ma <b>kota</b> &amp", "702 END",
         true},
        {"only markup", "SPEAK", "<speak><foo/></speak>", "702 END", false},
        {"dot lines", "SPEAK", "..\n...kropki", "702 END", true},
        {"tag in text", "SPEAK", "\\Wav=\"/nonexistent\"\\ tekst", "702 END", true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        SpeakMessage(*module, c.command, c.data);
        SHeard heard = Listen(*module);
        EXPECT_EQ(heard.events.back(), c.last);
        EXPECT_EQ(heard.pcm.size() > 0, c.sound);
    }
    // A message of no lines at all.
    for (const char* command : {"SPEAK", "CHAR", "KEY", "SOUND_ICON"}) {
        module->Send(std::string(command) + "\n.\n");
        EXPECT_EQ(Listen(*module).events.back(), "301 ERROR CANT SPEAK") << command;
    }
    module->Send("QUIT\n");
    EXPECT_EQ(module->ReadUntil({"210"}).back(), "210 OK QUIT");
    EXPECT_EQ(module->Wait(), 0);
}

TEST_F(ModulePipeTest, BadStartsAndAMissingVoiceEndTheModule) {
    {
        SModuleProcess module(kModule, ConfigFile());
        module.Send("SPEAK\n");
        EXPECT_EQ(module.Wait(), 3) << "must start with INIT";
    }
    fs::path bad =
        fs::temp_directory_path() / ("sd-vokrant-bad-" + std::to_string(getpid()) + ".conf");
    std::ofstream(bad) << "VokrantVoiceDir \"/nonexistent/voice\"\n";
    SModuleProcess module(kModule, bad.string());
    module.Send("INIT\n");
    auto lines = module.ReadUntil({"299 ", "399 "});
    EXPECT_EQ(lines.back(), "399 ERR CANT INIT MODULE");
    EXPECT_NE(lines.front().find("/nonexistent/voice"), std::string::npos);
    EXPECT_EQ(module.Wait(), 1);
}

// As speech-dispatcher sends a sentence: SSML whose text ends with its mark.
TEST_F(ModulePipeTest, QuestionsRiseAndCommasRiseLess) {
    auto tuned = Start();
    auto flat = StartWith("VokrantVoiceDir \"" + kVoiceDir + "\"\nVokrantSettingsDir \"" +
                          SettingsWithoutIntonation().string() + "\"\n");
    sentence_tune::ExpectQuestionsRiseAndCommasRiseLess(
        [&](const std::string& text, bool intonation) {
            SModuleProcess& module = intonation ? *tuned : *flat;
            SpeakMessage(module, "SPEAK", "<speak>" + text + "</speak>");
            SHeard heard = Listen(module);
            EXPECT_EQ(heard.events.back(), "702 END");
            return heard.pcm;
        });
}

TEST_F(ModulePipeTest, ClientsGetExactlyTheMarksOfTheTextAndNothingForged) {
    auto module = Start();
    // A mark name holding line breaks would, copied as it is, make lines of
    // its own: an END, and a mark that is in no <mark>.
    SpeakMessage(*module, "SPEAK",
                 "<speak>Raz.<mark name=\"m1\"/> <mark name=\"x&#10;702 END&#10;700-forged&#13;\"/>"
                 "Dwa.<mark name=\"m2\"/></speak>");
    SHeard heard = Listen(*module);
    std::vector<std::string> marks;
    for (const auto& [name, position] : heard.marks) marks.push_back(name);
    EXPECT_EQ(marks, (std::vector<std::string>{"m1", "x_702 END_700-forged_", "m2"}));
    EXPECT_EQ(heard.events.back(), "702 END");
    int ends = 0, markLines = 0;
    for (const std::string& line : heard.events) {
        ends += line == "702 END";
        markLines += line == "700 INDEX MARK";
    }
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(markLines, 3);
}

TEST_F(ModulePipeTest, VolumeLevelsAreEvenInDecibelsAndSilentAtTheBottom) {
    auto module = Start();
    std::map<int, int> peaks;
    for (int level : {-100, -50, 0, 100}) {
        module->Send("SET\nvolume=" + std::to_string(level) + "\n.\n");
        ASSERT_EQ(module->ReadUntil({"203 OK SETTINGS", "303"}).back(), "203 OK SETTINGS RECEIVED");
        SpeakMessage(*module, "SPEAK", "Głośność.");
        SHeard heard = Listen(*module);
        ASSERT_EQ(heard.events.back(), "702 END");
        ASSERT_GT(heard.pcm.size(), 0u);
        peaks[level] = Peak(heard.pcm);
    }
    EXPECT_EQ(peaks[-100], 0);
    // -50 is 15 dB below the user's volume (the full one in a fresh settings folder).
    EXPECT_NEAR(20 * std::log10(double(peaks[-50]) / peaks[0]), -15.0, 0.2);
    EXPECT_EQ(peaks[100], peaks[0]);
}

TEST_F(ModulePipeTest, SettingsArrivingWhileSpeakingTakeEffectAfterTheText) {
    auto module = Start(4096);
    SpeakMessage(*module, "SPEAK",
                 "To jest zdanie, które trwa dość długo, żeby coś nadeszło w trakcie.");
    ASSERT_EQ(Listen(*module, {"701"}).events.back(), "701 BEGIN");
    module->Send("SET\nvolume=-100\npitch=50\nrate=30\n.\n");
    SHeard first = Listen(*module);
    EXPECT_EQ(first.events.back(), "702 END");
    EXPECT_NE(std::find(first.events.begin(), first.events.end(), "203 OK SETTINGS RECEIVED"),
              first.events.end());
    EXPECT_GT(Peak(first.pcm), 0);
    SpeakMessage(*module, "SPEAK", "Cisza.");
    SHeard next = Listen(*module);
    EXPECT_EQ(next.events.back(), "702 END");
    EXPECT_GT(next.pcm.size(), 0u);
    EXPECT_EQ(Peak(next.pcm), 0) << "volume -100 is silence";
}

TEST_F(ModulePipeTest, SoundIconsPlayTheirFileAtItsOwnRate) {
    const fs::path icons = ScratchDir() / "icons";
    fs::create_directories(icons);
    // 8000 Hz mono, 16 bits: 400 samples of a square wave.
    std::vector<int16_t> wave(400);
    for (size_t i = 0; i < wave.size(); ++i) wave[i] = (i / 20) % 2 ? 8000 : -8000;
    {
        std::ofstream out(icons / "bell.wav", std::ios::binary);
        auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
        out << "RIFF";
        u32(36 + 800);
        out << "WAVEfmt ";
        u32(16), u16(1), u16(1), u32(8000), u32(16000), u16(2), u16(16);
        out << "data";
        u32(800);
        out.write(reinterpret_cast<const char*>(wave.data()), 800);
    }
    auto module = Start(0, ConfigFile(icons.string()));
    SpeakMessage(*module, "SOUND_ICON", "bell");
    std::vector<std::string> lines = module->ReadUntil({"702", "703", "301"});
    EXPECT_EQ(lines.back(), "702 END");
    std::vector<int16_t> pcm;
    int rates = 0;
    for (const std::string& line : lines) {
        if (line.rfind("705-AUDIO", 0) == 0) {
            EXPECT_TRUE(DecodeAudioLine(line, pcm));
        }
        rates += line == "705-sample_rate=8000";
    }
    EXPECT_EQ(pcm, wave);
    EXPECT_GT(rates, 0);
    // A name with no file is read out instead.
    SpeakMessage(*module, "SOUND_ICON", "dzwonek");
    SHeard spoken = Listen(*module);
    EXPECT_EQ(spoken.events.back(), "702 END");
    EXPECT_GT(Peak(spoken.pcm), 1000);
}

// Sixteen megabytes of a comment that never closes took the old conversion
// more than a day; now it is read as text, and STOP is answered at once.
TEST_F(ModulePipeTest, UnclosedMarkupOfTheLargestMessageIsSpokenAndStopped) {
    auto module = Start(4096);
    std::string message;
    message.reserve(16u << 20);
    while (message.size() + 4 < (16u << 20)) message += "<!--";
    SpeakMessage(*module, "SPEAK", message);
    SHeard start = Listen(*module, {"701", "301"});
    ASSERT_EQ(start.events.back(), "701 BEGIN");
    module->Send("STOP\n");
    SHeard rest = Listen(*module);
    EXPECT_EQ(rest.events.back(), "703 STOP");
    SpeakMessage(*module, "SPEAK", "Dalej.");
    EXPECT_EQ(Listen(*module).events.back(), "702 END");
}

}  // namespace
