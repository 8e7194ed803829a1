// The module's pieces on their own: audio escaping, SSML into tags, key
// names, and the mapping of speech-dispatcher's settings.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "module_process.h"
#include "module_settings.h"
#include "protocol_io.h"
#include "ssml_text.h"

namespace {

TEST(AudioEscaping, NewlineAndEscapeByteTravelInvertedAfterTheEscape) {
    struct SCase {
        std::string in, out;
    };
    const SCase cases[] = {
        {"", ""},
        {"\n", "\x7D\x2A"},
        {"\x7D", "\x7D\x5D"},
        {"\x2A\x5D", "\x2A\x5D"},  // the inverted forms alone stay as they are
        {std::string("a\0\n\x7D\n", 5), std::string("a\0\x7D\x2A\x7D\x5D\x7D\x2A", 8)},
    };
    for (const SCase& c : cases) EXPECT_EQ(EscapeAudio(c.in.data(), c.in.size()), c.out);
}

TEST(AudioEscaping, BlockDecodesToTheSamplesWithTheServersRule) {
    // Samples whose bytes hit both escaped values in both halves.
    const std::vector<int16_t> samples = {0x0A0A, 0x7D7D, 0x0A7D, 0x7D0A, 0, -1, 0x2A5D, 12345};
    const std::string block = AudioBlock(samples.data(), samples.size(), 22050);
    const std::string header =
        "705-bits=16\n705-num_channels=1\n705-sample_rate=22050\n705-num_samples=8\n705-big_endian="
        "0\n";
    ASSERT_EQ(block.compare(0, header.size(), header), 0);
    const size_t dataLine = header.size();
    const size_t end = block.find('\n', dataLine);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(block.substr(end), "\n705 AUDIO\n");
    std::vector<int16_t> decoded;
    ASSERT_TRUE(DecodeAudioLine(block.substr(dataLine, end - dataLine), decoded));
    EXPECT_EQ(decoded, samples);
}

// Everything a reader gives out of `input`, written into a pipe by another thread.
std::vector<std::string> LinesRead(const std::string& input) {
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    std::thread writer([&] {
        for (size_t at = 0; at < input.size();) {
            const ssize_t written = write(ends[1], input.data() + at, input.size() - at);
            if (written <= 0) break;
            at += static_cast<size_t>(written);
        }
        close(ends[1]);
    });
    SLineReader reader(ends[0]);
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line, true);) lines.push_back(line);
    writer.join();
    close(ends[0]);
    return lines;
}

TEST(ProtocolLines, LinesComeOutWholeHoweverTheyArrive) {
    const std::string longest(SLineReader::kMaxLine, 'x');
    struct SCase {
        const char* what;
        std::string input;
        std::vector<std::string> lines;
    };
    const SCase cases[] = {
        {"short lines", "a\nbb\n\nccc\n", {"a", "bb", "", "ccc"}},
        {"no newline at the end", "a\nb", {"a"}},
        {"many short lines", std::string(200000, '\n'), std::vector<std::string>(200000)},
        {"the longest line", longest + "\nb\n", {longest, "b"}},
        // A line longer by more than one read (64 KB) is cut and the rest of
        // it, up to its newline, dropped.
        {"a longer line", longest + std::string(100000, 'y') + "\nb\n", {longest, "b"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> lines = LinesRead(c.input);
        EXPECT_TRUE(lines == c.lines) << lines.size() << " lines, the first "
                                      << (lines.empty() ? 0 : lines[0].size()) << " bytes";
    }
}

TEST(SsmlText, ElementsBecomeTagsAndTextStaysText) {
    struct SCase {
        const char* ssml;
        const char* tagged;
        std::vector<std::string> marks;
    };
    const SCase cases[] = {
        {"<speak>Ala <mark name=\"__spd_1\"/>ma</speak>", " Ala \\Mrk=1\\ma", {"__spd_1"}},
        {"a<mark name='x'/>b<mark name=\"y\" />c", "a\\Mrk=1\\b\\Mrk=2\\c", {"x", "y"}},
        {"a &lt;b&gt; &amp; &quot;&apos; &#322;&#x142;", "a <b> & \"' łł", {}},
        {"&nope; &#0; &#xD800; &", "&nope; &#0; &#xD800; &", {}},
        {"&&&&amp;", "&&&&", {}},
        {"&#X41;&#65;x&#12345678;&#x4g;&#;&#x;", "AAx&#12345678;&#x4g;&#;&#x;", {}},
        // A ';' ten bytes on ends a longer name, not an entity; the next '&' starts one.
        {"a &amp b &lt;", "a &amp b <", {}},
        // Markup left open after the last '>' is text, and so is a '<' before it.
        {"<b>x</b> <a b='c", "x <a b='c", {}},
        {"<!-- a <b> <?x", "<!-- a  <?x", {}},
        {"a<break time=\"300ms\"/>b<break time=\"2s\"/>c", "a\\Pau=300\\b\\Pau=2000\\c", {}},
        {"a<break strength=\"strong\"/>b<break/>c<break strength=\"none\"/>d",
         "a\\Pau=700\\b\\Pau=400\\cd",
         {}},
        {"<break time=\"1000s\"/>", "\\Pau=99999\\", {}},
        {"<prosody rate=\"200%\">szybko</prosody> wolno", "\\Spd=160\\szybko\\Spd=80\\ wolno", {}},
        {"<prosody rate=\"x-slow\">a<prosody rate=\"fast\">b</prosody>c</prosody>",
         "\\Spd=40\\a\\Spd=60\\b\\Spd=40\\c\\Spd=80\\",
         {}},
        {"<prosody volume=\"soft\">cicho</prosody>", "\\Vol=32768\\cicho\\Vol=65535\\", {}},
        {"<prosody rate=\"fast\">nie zamknięte", "\\Spd=120\\nie zamknięte\\Spd=80\\", {}},
        {"<say-as interpret-as=\"characters\">ABC</say-as>", " \\RmS=1\\ABC\\RmS=0\\ ", {}},
        {"<say-as interpret-as=\"date\">1.2</say-as>", "1.2", {}},
        {"<foo bar=\"1\">x</foo><voice name=\"a\">y</voice>", "xy", {}},
        {"<sub alias=\"doktor\">dr</sub> Kowalski", "doktor Kowalski", {}},
        {"<audio src=\"a.wav\"><desc>dzwonek</desc>dzwoni</audio>", "dzwoni", {}},
        {"<!-- uwaga --><?xml version=\"1.0\"?>tekst<![CDATA[ <b> ]]>", "tekst <b> ", {}},
        {"\\Wav=\"/etc/passwd\"\\ \\Spd=200\\", "\\\\Wav=\"/etc/passwd\"\\\\ \\\\Spd=200\\\\", {}},
        {"<mark name=\"a&#10;702 END\"/>", "\\Mrk=1\\", {"a_702 END"}},
        {"<![CDATA[]]>x", "x", {}},
        {"<!DOCTYPE speak>x", "x", {}},
        {"a<b c='<'>d", "a<b c='<'>d", {}},
        {"a < b i c > d", "a < b i c > d", {}},
        {"<speak>x <mark name=\"a\"", " x <mark name=\"a\"", {}},
        {"<mark>bez nazwy", "bez nazwy", {}},
        {"<1abc>", "<1abc>", {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.ssml);
        STaggedText result = SsmlToTaggedText(c.ssml, SSsmlState{});
        EXPECT_EQ(result.text, c.tagged);
        EXPECT_EQ(result.markNames, c.marks);
    }
}

TEST(SsmlText, PiecesEndAfterTheLastSentenceEndElseABlank) {
    struct SCase {
        const char* ssml;
        size_t pieceBytes;
        std::vector<std::string> pieces;
    };
    const SCase cases[] = {
        {"Ala ma kota? Tak! Nie.", 12, {"Ala ma ", "kota? Tak! ", "Nie."}},
        {"Raz. Dwa. Trzy cztery", 16, {"Raz. Dwa. ", "Trzy cztery"}},
        {"ab\ncd ef gh ij", 8, {"ab\n", "cd ef ", "gh ij"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        // Never inside a character or an entity.
        {"abcżźć", 4, {"abc", "żź", "ć"}},
        {"abc&amp;d", 6, {"abc", "&d"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.ssml);
        SSsmlConverter converter(c.ssml, SSsmlState{}, c.pieceBytes);
        std::vector<std::string> pieces;
        for (STaggedText piece; converter.Next(piece);) pieces.push_back(piece.text);
        EXPECT_EQ(pieces, c.pieces);
    }
}

TEST(SsmlText, SpellModeAlreadyOnIsLeftOnAndRateStartsFromTheSettings) {
    SSsmlState start;
    start.spellMode = true;
    start.speed = 100;
    EXPECT_EQ(SsmlToTaggedText("<say-as interpret-as=\"characters\">ab</say-as>", start).text,
              "ab");
    EXPECT_EQ(SsmlToTaggedText("<prosody rate=\"50%\">a</prosody>", start).text,
              "\\Spd=50\\a\\Spd=100\\");
}

TEST(ModuleSettings, LevelsMapOntoVokrantsRanges) {
    struct SCase {
        int level, speed, voicePitch;
    };
    // Pitch: an octave down and up, 50..200 per cent; half way is a tritone (sqrt 2).
    const SCase cases[] = {{-100, 40, 50}, {-50, 60, 71},   {0, 80, 100},
                           {50, 140, 141}, {100, 200, 200}, {250, 200, 200}};
    for (const SCase& c : cases) {
        EXPECT_EQ(SpeedFromRate(c.level), c.speed) << c.level;
        EXPECT_EQ(VoicePitchFromLevel(c.level), c.voicePitch) << c.level;
    }
}

TEST(ModuleSettings, VolumeIsSilentAtTheBottomTheUsersAtZeroAndEvenInDecibels) {
    EXPECT_EQ(SampleGain(-100), 0.0);
    EXPECT_EQ(SampleGain(-150), 0.0);
    EXPECT_EQ(SampleGain(0), 1.0);
    EXPECT_EQ(SampleGain(100), 1.0);
    // Equal steps of level are equal steps in decibels: -15 dB at -50.
    EXPECT_NEAR(20 * std::log10(SampleGain(-50)), -15.0, 1e-9);
    EXPECT_NEAR(20 * std::log10(SampleGain(-20)) - 20 * std::log10(SampleGain(-10)),
                20 * std::log10(SampleGain(-90)) - 20 * std::log10(SampleGain(-80)), 1e-9);
    // Above 0 the engine's own volume (a scale even in decibels) goes from
    // the user's to the full one.
    struct SCase {
        int level;
        unsigned user, engine;
    };
    const SCase cases[] = {{-100, 40000, 40000}, {0, 40000, 40000},   {50, 40000, 52767},
                           {100, 40000, 65535},  {100, 65535, 65535}, {0, 0, 0},
                           {100, 0, 65535},      {0, 70000, 65535}};
    for (const SCase& c : cases)
        EXPECT_EQ(EngineVolume(c.level, c.user), c.engine) << c.level << " " << c.user;
}

TEST(ModuleSettings, SetValuesAreReadOrRefused) {
    SModuleSettings settings;
    struct SSet {
        const char* name;
        const char* value;
        bool accepted;
    };
    const SSet sets[] = {
        {"rate", "50", true},
        {"rate", "fast", false},
        {"volume", "", false},
        {"punctuation_mode", "all", true},
        {"punctuation_mode", "lots", false},
        {"spelling_mode", "on", true},
        {"cap_let_recogn", "spell", true},
        {"pitch", "NULL", true},
        {"pitch", "x", false},
        {"pitch", "-100", true},
        {"pitch_range", "20", true},
        {"synthesis_voice", "NULL", true},
        {"language", "pl", true},
        {"voice", "male1", true},
    };
    for (const SSet& s : sets)
        EXPECT_EQ(ApplyModuleSetting(settings, s.name, s.value), s.accepted)
            << s.name << "=" << s.value;
    EXPECT_EQ(settings.speed, 140);
    EXPECT_EQ(settings.voicePitch, 50);
    EXPECT_TRUE(settings.readPunctuation);
    EXPECT_TRUE(settings.spellMode);
    EXPECT_TRUE(settings.sayCapitals);
}

}  // namespace
