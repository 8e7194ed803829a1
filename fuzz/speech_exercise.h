// Speaks one arbitrary input through a real engine with the shipped voice:
// the first bytes choose the settings (speed and pitch extremes, plain or
// tagged text, every normaliser switch, regional separators, the text's
// encoding) and how much room the destination offers at each step; the rest
// is the request text. Speaking must end within a bounded number of steps per
// input byte; a runaway pipeline aborts so the fuzzer reports it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/attribute.h"
#include "core/audio_dest.h"
#include "core/exceptions.h"
#include "engine/sentence_stages.h"
#include "engine/tts_engine.h"
#include "text/text_analyser.h"

namespace speech_exercise {

// A destination that throws the sound away, offering a varying free space.
class SVaryingDest : public SAudioDest {
public:
    explicit SVaryingDest(uint32_t seed = 0) { Reseed(seed); }

    // Starts a new input: its own room sequence, nothing received yet.
    void Reseed(uint32_t seed) {
        state_ = seed * 2654435761u + 1;
        free_ = 0;
        received_ = 0;
    }

    // Picks the room for the next step: mostly generous, sometimes tiny or none.
    void NextRoom() {
        static constexpr uint32_t kRooms[] = {0, 1, 2, 333, 4096, 65536, 1u << 20, 1u << 20};
        state_ = state_ * 1103515245u + 12345u;
        free_ = kRooms[(state_ >> 16) % 8];
    }
    // A step with at least a whole chunk of room: every such step makes progress.
    void GenerousRoom() { free_ = 1u << 22; }
    uint32_t Room() const { return free_; }

    uint32_t FreeSpace() override { return free_; }
    bool DataSet(const void*, uint32_t bytes) override {
        if (bytes > free_) std::abort();  // the engine must never overfill
        free_ -= bytes;
        received_ += bytes;
        return true;
    }
    bool BookMark(uint32_t) override { return true; }
    uint64_t Received() const { return received_; }

private:
    uint32_t state_ = 1;
    uint32_t free_ = 0;
    uint64_t received_ = 0;
};

inline bool Bit(uint8_t byte, int bit) {
    return (byte >> bit) & 1;
}

// Number of leading bytes that choose the settings.
constexpr size_t kSettingsBytes = 4;

inline void ApplySettings(SAttribute& s, const uint8_t* b) {
    switch (b[0] & 3) {
        case 0:
            s.SetSpeed(SAttribute::kMinSpeed);
            break;
        case 1:
            s.SetSpeed(SAttribute::kMaxSpeed);
            break;
        case 2:
            s.SetPitch(SAttribute::kMinPitch);
            break;
        case 3:
            s.SetPitch(SAttribute::kMaxPitch);
            break;
    }
    if (Bit(b[0], 2)) s.speed = 80, s.pitch = 160;
    s.taggedText = Bit(b[0], 3);
    s.spellMode = Bit(b[0], 4);
    s.fluentSpeech = Bit(b[0], 5);
    s.colloquialSpeech = Bit(b[0], 6);
    s.intonation = Bit(b[0], 7);

    s.convertNumber = Bit(b[1], 0);
    s.convertSequence = Bit(b[1], 1);
    s.convertDate = Bit(b[1], 2);
    s.dateBySysFormat = Bit(b[1], 3);
    s.convertTime = Bit(b[1], 4);
    s.colloquialTime = Bit(b[1], 5);
    s.hours24 = Bit(b[1], 6);
    s.readSeconds = Bit(b[1], 7);

    s.bareFullHour = Bit(b[2], 0);
    s.convertAbbrev = Bit(b[2], 1);
    s.readInterpunction = Bit(b[2], 2);
    s.readSeparators = Bit(b[2], 3);
    s.convertURL = Bit(b[2], 4);
    s.convertSymbol = Bit(b[2], 5);
    s.forceTagSensitivity = Bit(b[2], 6);
    s.intonationDepth = Bit(b[2], 7) ? 100 : 0;

    s.abbrevLimit = (b[3] & 15) % (SAttribute::kMaxAbbrevLimit + 1);
    if (Bit(b[3], 4)) {
        // Polish regional conventions instead of the defaults.
        s.decimalSeparator = ',';
        s.thousandsSeparator = ' ';
        s.dateSeparator = '.';
        s.shortDatePattern = "dd.MM.yyyy";
    }
    if (Bit(b[3], 5)) s.volume = 0x4000C000u;
}

// True when the text part is to be read as UTF-16LE rather than Windows-1250.
inline bool TextIsUtf16(const uint8_t* b) {
    return Bit(b[3], 6);
}
// True when the text is first counted (countOnly) before it is spoken.
inline bool CountFirst(const uint8_t* b) {
    return Bit(b[3], 7);
}

// Speaks to the end. Returns the sound bytes produced.
inline uint64_t SpeakToEnd(STtsEngine& engine, SVaryingDest& dest, size_t textBytes) {
    // Words and readers expand text a lot (a digit string becomes many words,
    // a tag may insert a pause), but every generous step finishes a chunk.
    const uint64_t maxGenerousSteps = 256 + 64 * static_cast<uint64_t>(textBytes);
    uint64_t generousSteps = 0;
    for (uint64_t step = 0;; ++step) {
        // Every other step has room for a whole chunk, the others vary.
        if (step % 2)
            dest.GenerousRoom();
        else
            dest.NextRoom();
        if (dest.Room() >= (1u << 20) && ++generousSteps > maxGenerousSteps) {
            std::fprintf(stderr, "SpeakStep does not finish: %llu steps for %zu bytes\n",
                         static_cast<unsigned long long>(step), textBytes);
            std::abort();
        }
        int result = engine.SpeakStep(true, false);
        if (result != STtsEngine::kDestinationFull) break;
    }
    return dest.Received();
}

// One engine per process: building it (spelling table, user dictionary,
// analyser) costs far more than speaking most inputs. Every input starts
// from fresh settings, a reseeded destination and a new request, which
// resets the pipeline, so a reproducer replays the same way on its own.
struct SSharedEngine {
    SAttribute pristine;  // the settings before any input (regional values read once)
    SAttribute settings;
    SVaryingDest dest;
    STtsEngine engine{&dest, &settings};
};

inline SSharedEngine& SharedEngine(const std::string& voiceDir) {
    static SSharedEngine* shared = [&] {
        auto* built = new SSharedEngine;  // lives as long as the process
        built->settings.workDir = voiceDir;
        if (built->engine.Load(0) != 0) std::abort();  // the shipped voice must load
        built->pristine = built->settings;
        return built;
    }();
    return *shared;
}

// The shared engine with the settings the first bytes choose.
inline STtsEngine& EngineFor(const uint8_t* data, const std::string& voiceDir) {
    SSharedEngine& shared = SharedEngine(voiceDir);
    shared.settings = shared.pristine;
    ApplySettings(shared.settings, data);
    shared.dest.Reseed(data[3] >> 4 | data[0] << 4);
    shared.engine.SetAudioDest(&shared.dest);
    return shared.engine;
}

inline void ExerciseSpeech(const uint8_t* data, size_t size, const std::string& voiceDir) {
    if (size < kSettingsBytes) return;
    STtsEngine& engine = EngineFor(data, voiceDir);
    SVaryingDest& dest = SharedEngine(voiceDir).dest;

    const char* text = reinterpret_cast<const char*>(data + kSettingsBytes);
    const size_t textBytes = size - kSettingsBytes;
    auto start = [&] {
        if (TextIsUtf16(data)) {
            std::u16string wide(textBytes / 2, u'\0');
            for (size_t i = 0; i < wide.size(); ++i)
                wide[i] = static_cast<char16_t>(static_cast<uint8_t>(text[2 * i]) |
                                                static_cast<uint8_t>(text[2 * i + 1]) << 8);
            engine.StartRequest(std::u16string_view(wide));
        } else {
            engine.StartRequest(std::string_view(text, textBytes));
        }
    };
    try {
        if (CountFirst(data)) {
            start();
            engine.SpeakStep(false, true);
        }
        start();
        SpeakToEnd(engine, dest, textBytes);
    } catch (const SException&) {
        // A sound file a tag names may be unreadable: reported, not a fault.
    }
}

// Runs the sentence stages of the table up to timing, which computes a
// position per output sample: its cost follows the sound, not the text.
inline void RunTextStages(SSentence& sentence) {
    for (const SSentenceStage* stage = kSentenceStages; stage->run; ++stage) {
        if (std::string_view(stage->name) == "timing") return;
        stage->run(sentence);
    }
}

// Reads the request's sentences through the text stages; every sentence
// consumes at least one character of the text, so their number is bounded.
inline void ReadSentences(STtsEngine& engine, size_t textBytes) {
    const uint64_t maxSentences = 16 + static_cast<uint64_t>(textBytes);
    uint64_t sentences = 0;
    while (SSentence* sentence = engine.GetTextAnalyser().NextSentence()) {
        RunTextStages(*sentence);
        if (++sentences > maxSentences) {
            std::fprintf(stderr, "NextSentence does not finish: %llu sentences for %zu bytes\n",
                         static_cast<unsigned long long>(sentences), textBytes);
            std::abort();
        }
    }
}

// The text stages alone (sentences, readers, transcription, sentence rules),
// many times faster than speaking: the fuzzer reaches the readers' corners sooner.
inline void ExerciseText(const uint8_t* data, size_t size, const std::string& voiceDir) {
    if (size < kSettingsBytes) return;
    STtsEngine& engine = EngineFor(data, voiceDir);
    const size_t textBytes = size - kSettingsBytes;
    engine.StartRequest(
        std::string_view(reinterpret_cast<const char*>(data + kSettingsBytes), textBytes));
    ReadSentences(engine, textBytes);
}

}  // namespace speech_exercise
