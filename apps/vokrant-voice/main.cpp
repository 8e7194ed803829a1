// vokrant-voice: inspects, checks, exports and converts voice databases.
//   vokrant-voice info FILE
//   vokrant-voice check FILE
//   vokrant-voice export FILE NAME-OR-ID -o OUT.wav   (NAME:N a context recording)
//   vokrant-voice convert IN OUT --layout sals|salu|alof
// Exit status 0 on success, 2 on a usage error, 1 on any other error, with one
// line on standard error.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "model/pattern_store.h"
#include "platform/codepage.h"
#include "platform/interrupt_cleanup.h"
#include "soundfile/context_section.h"
#include "soundfile/sound_file_io.h"
#include "soundfile/voice_loader.h"
#include "soundfile/voice_records.h"
#include "voice_info.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: vokrant-voice info FILE\n"
    "       vokrant-voice check FILE\n"
    "       vokrant-voice export FILE NAME-OR-ID[:N] -o OUT.wav\n"
    "       vokrant-voice convert IN OUT --layout sals|salu|alof\n";

struct SUsageError {
    std::string message;
};

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vokrant-voice: %s\n", message.c_str());
    return status;
}

// Loads the voice exactly as the engine does: name in its directory.
// A refused section of context recordings goes to contextProblem.
void LoadAsEngine(SAlfPattArr& store, const std::string& path, std::string* contextProblem) {
    std::filesystem::path p(path);
    LoadVoice(store, p.filename().string(), p.parent_path().string(), contextProblem);
}

// A voice whose context recordings are damaged still speaks, but the file
// is not sound: the check fails and says what the engine will do.
int Check(const std::string& path) {
    SAlfPattArr store;
    std::string contextProblem;
    LoadAsEngine(store, path, &contextProblem);
    int count = 0;
    for (int id = 0; id < store.GetSize(); ++id) count += store.PatternAt(id) != nullptr;
    if (!contextProblem.empty())
        return Fail(kExitFailure, path + ": context recordings refused (" +
                                      Cp1250ToUtf8(contextProblem) +
                                      "); the voice speaks without them");
    std::printf("%s: ok, %d patterns, %d context recordings, %u Hz\n", path.c_str(), count,
                store.contextSounds.Count(), store.VoiceFormat().samplesPerSec);
    return kExitOk;
}

// A pattern by its name or, for a number, by its id.
const SAlofonPatt& FindPattern(const SAlfPattArr& store, const std::string& key) {
    char* end = nullptr;
    long id = std::strtol(key.c_str(), &end, 10);
    if (key.empty() || *end != '\0') id = store.FindByName(Utf8ToCp1250(key));
    const SAlofonPatt* pattern =
        id >= 0 && id < store.GetSize() ? store.PatternAt(static_cast<int>(id)) : nullptr;
    if (!pattern) throw std::runtime_error("no pattern '" + key + "' in the voice");
    return *pattern;
}

int Export(const std::string& path, const std::string& key, const std::string& output) {
    SAlfPattArr store;
    LoadAsEngine(store, path, nullptr);
    std::vector<int16_t> samples;
    uint32_t rate = store.VoiceFormat().samplesPerSec;
    // A context recording by the label `info` gives it ("a:2"): its samples
    // as the voice holds them.
    if (key.find(':') != std::string::npos) {
        const SContextSound* sound = FindContextSound(store.contextSounds, key);
        if (!sound) throw std::runtime_error("no context recording '" + key + "' in the voice");
        samples = sound->samples;
    } else {
        const SAlofonPatt& pattern = FindPattern(store, key);
        samples = RenderPattern(pattern);
        // Pauses carry a length but no curve: they export as that much silence.
        if (samples.empty() && pattern.pauseLength > 0)
            samples.assign(static_cast<size_t>(pattern.pauseLength), 0);
        if (pattern.format.samplesPerSec) rate = pattern.format.samplesPerSec;
    }
    SWave wave;
    wave.SetFromSamples(samples.data(), static_cast<int>(samples.size()),
                        SPcmFormat{1, 1, rate, 2 * rate, 2, 16});
    WriteSoundFile(output, wave,
                   SSndFormat{kFormatWav, kCompressionPcm, kSampleS16, static_cast<int32_t>(rate)});
    std::printf("%s: %zu samples at %u Hz\n", output.c_str(), samples.size(), rate);
    return kExitOk;
}

int Convert(const std::string& input, const std::string& output, const std::string& layout) {
    SVoiceLayout chosen;
    if (layout == "sals")
        chosen = SVoiceLayout::kSals;
    else if (layout == "salu")
        chosen = SVoiceLayout::kSalu;
    else if (layout == "alof")
        chosen = SVoiceLayout::kAlof;
    else
        throw SUsageError{"unknown layout '" + layout + "' (sals, salu or alof)"};
    SAlfPattArr store;
    LoadAsEngine(store, input, nullptr);
    // The voice's sample rate is that of its pattern 1: without it the copy
    // would claim 0 Hz and every pause would come out empty.
    if (store.PatternAt(1) == nullptr)
        throw std::runtime_error(
            input + " has no pattern at id 1, so its sample rate is unknown; nothing written");
    WriteVoiceFile(output, store, chosen);
    // The context recordings travel with the voice, in any layout.
    std::vector<SContextRecording> recordings;
    for (int i = 0; i < store.contextSounds.Count(); ++i) {
        const SContextSound& sound = store.contextSounds.At(i);
        recordings.push_back(
            {static_cast<uint16_t>(sound.id), sound.before, sound.after, sound.samples});
    }
    if (!recordings.empty()) ReplaceContextSection(output, recordings);
    return kExitOk;
}

// The value after `option`, removed from args with it; "" when absent.
std::string TakeOption(std::vector<std::string>& args, const std::string& shortName,
                       const std::string& longName) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != shortName && args[i] != longName) continue;
        if (i + 1 >= args.size()) throw SUsageError{args[i] + " needs a value"};
        std::string value = args[i + 1];
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        return value;
    }
    return "";
}

int Run(std::vector<std::string> args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    std::string command = args[0];
    args.erase(args.begin());
    std::string output = TakeOption(args, "-o", "--output");
    std::string layout = TakeOption(args, "", "--layout");
    if (command == "info" && args.size() == 1) {
        PrintFileInfo(args[0], stdout);
        return kExitOk;
    }
    if (command == "check" && args.size() == 1) return Check(args[0]);
    if (command == "export" && args.size() == 2 && !output.empty())
        return Export(args[0], args[1], output);
    if (command == "convert" && args.size() == 2 && !layout.empty())
        return Convert(args[0], args[1], layout);
    throw SUsageError{"bad arguments for '" + command + "'\n" + kUsage};
}

}  // namespace

int main(int argc, char** argv) {
    RemoveTemporariesOnInterrupt();
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const SUsageError& e) {
        return Fail(kExitUsage, e.message);
    } catch (const SException& e) {
        return Fail(kExitFailure, Cp1250ToUtf8(e.GetMessage()));
    } catch (const std::exception& e) {
        return Fail(kExitFailure, e.what());
    }
}
