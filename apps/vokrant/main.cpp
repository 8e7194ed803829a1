// vokrant: speaks Polish text into a WAV file, standard output or the sound
// device, or prints the analysis of the text. Exit status 0 on success, 2 on
// a usage error, 1 on any other error, with one line on standard error.
#include <malloc.h>

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "device_dest.h"
#include "engine/attribute.h"
#include "engine/exceptions.h"
#include "engine/log.h"
#include "engine/tts_engine.h"
#include "input_text.h"
#include "options.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "settings_override.h"
#include "speak.h"
#include "synthesis/pattern_store.h"
#include "wav_stream_dest.h"
#include "word_report.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vokrant: %s\n", message.c_str());
    return status;
}

void ListVoices() {
    std::printf("Borvan\tPolish (1045)\tKomputerowy\t16-bit mono PCM, 22050 Hz\n");
}

// The settings of this run: the user's saved settings, then the command line.
std::string ConfigureSettings(SAttribute& settings, const SCommandLine& command) {
    if (!command.voiceDir.empty()) {
        settings.workDir = command.voiceDir;
        if (settings.workDir.back() != '/') settings.workDir += '/';
        settings.extDict = settings.workDir + "client.exp";
    }
    for (const auto& [name, value] : command.settings) {
        std::string error = ApplySettingOverride(settings, name, value);
        if (!error.empty()) return error;
    }
    settings.taggedText = command.tagged || settings.forceTagSensitivity;
    return "";
}

// Loads the voices once; the engine logs why a load failed, and that reason
// joins the one error line.
bool TryLoad(STtsEngine& engine, std::string& reason) {
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    int loaded = engine.Load(0);
    SetLogWriter(previous);
    bool ready = loaded == 0 && NormalVoice().GetSize() > 0 && NormalVoice().VoiceFormat().samplesPerSec > 0;
    if (ready && !log.empty()) std::fputs(Cp1250ToUtf8(log).c_str(), stderr);
    reason = ready ? "" : Cp1250ToUtf8(log.substr(0, log.find('\n')));
    return ready;
}

// A saved WorkDir that no longer holds the voice (the data moved, or it was
// saved before the voice was installed) falls back to the data directory,
// unless the user named the directory on the command line.
std::string LoadEngine(STtsEngine& engine, SAttribute& settings, bool voiceDirGiven) {
    std::string reason;
    if (TryLoad(engine, reason)) return "";
    std::string tried = settings.workDir;
    if (!voiceDirGiven && DataDir() != settings.workDir) {
        settings.workDir = DataDir();
        std::string ignored;
        if (TryLoad(engine, ignored)) return "";
        tried += " or " + settings.workDir;
    }
    return "cannot load the voice from " + tried + (reason.empty() ? "" : " (" + reason + ")") +
           "; use --voice-dir DIR";
}

int SpeakToFile(STtsEngine& engine, const std::string& text, const SCommandLine& command, uint32_t rate) {
    SWavStreamDest dest;
    if (!dest.Open(command.outputPath, rate)) return Fail(kExitFailure, dest.Error());
    std::FILE* markOut = command.outputPath == "-" ? stderr : stdout;
    if (command.marks)
        dest.SetMarkSink([&](uint32_t mark, uint64_t at) { WriteMarkJson(markOut, mark, at, rate); });
    engine.SetAudioDest(&dest);
    std::string error = SpeakRequest(engine, text, dest, [&] { return dest.Failed(); });
    engine.SetAudioDest(nullptr);
    if (!error.empty() || !dest.Commit()) return Fail(kExitFailure, dest.Failed() ? dest.Error() : error);
    return kExitOk;
}

int SpeakToDevice(STtsEngine& engine, const std::string& text, const SCommandLine& command, uint32_t rate) {
    SDeviceDest dest;
    std::string error;
    if (!dest.Open(rate, error)) return Fail(kExitFailure, error);
    if (command.marks)
        dest.SetMarkSink([&](uint32_t mark, uint64_t at) { WriteMarkJson(stdout, mark, at, rate); });
    engine.SetAudioDest(&dest);
    bool failed = false;
    error = SpeakRequest(engine, text, dest, [&] { return failed = dest.FreeSpace() == 0; });
    engine.SetAudioDest(nullptr);
    if (!error.empty() || !dest.Drain(error)) return Fail(kExitFailure, error);
    return kExitOk;
}

int Run(int argc, char** argv) {
    SParseResult parsed = ParseCommandLine(argc, argv);
    if (!parsed.error.empty()) return Fail(kExitUsage, parsed.error);
    const SCommandLine& command = parsed.command;
    if (command.help) return std::fputs(UsageText(), stdout), kExitOk;
    if (command.version) return std::printf("vokrant %s\n", VOKRANT_VERSION), kExitOk;
    if (command.listVoices) return ListVoices(), kExitOk;

    SAttributeSAPI settings(nullptr);
    std::string error = ConfigureSettings(settings, command);
    if (!error.empty()) return Fail(kExitUsage, error);
    STextInput input = ReadInputText(command);
    if (!input.error.empty()) return Fail(kExitFailure, input.error);

    STtsEngine engine(nullptr, &settings);
    error = LoadEngine(engine, settings, !command.voiceDir.empty());
    if (!error.empty()) return Fail(kExitFailure, error);
    // The pause patterns follow this run's pause settings.
    for (int id = 106; id <= 109; ++id) engine.RefreshPausePattern(id);
    if (command.words) {
        WriteWordReport(engine, input.cp1250, stdout);
        return std::fflush(stdout) == 0 ? kExitOk : Fail(kExitFailure, "cannot write the word report");
    }
    uint32_t rate = NormalVoice().VoiceFormat().samplesPerSec;
    int status = command.outputPath.empty() ? SpeakToDevice(engine, input.cp1250, command, rate)
                                            : SpeakToFile(engine, input.cp1250, command, rate);
    if (status == kExitOk && std::fflush(stdout) != 0) return Fail(kExitFailure, "cannot write standard output");
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // Every chunk and sentence frees and reallocates the same few buffers; by
    // default the allocator hands the top of the heap back to the kernel each
    // time and takes it again, which costs more than the synthesis itself.
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    try {
        return Run(argc, argv);
    } catch (const SException& e) {
        return Fail(kExitFailure, Cp1250ToUtf8(e.GetMessage()));
    } catch (const std::bad_alloc&) {
        return Fail(kExitFailure, "out of memory");
    } catch (const std::exception& e) {
        return Fail(kExitFailure, e.what());
    } catch (...) {
        return Fail(kExitFailure, "unexpected internal error");
    }
}
