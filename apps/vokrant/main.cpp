// vokrant: speaks Polish text into a WAV file, standard output or the sound
// device through the Speech API component, or prints the analysis of the
// text. Exit status 0 on success, 2 on a usage error, 1 on any other error,
// with one line on standard error.

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "core/exceptions.h"
#include "engine/tts_engine.h"
#include "input_text.h"
#include "model/allophone_ids.h"
#include "options.h"
#include "platform/codepage.h"
#include "platform/interrupt_cleanup.h"
#include "platform/log.h"
#include "program_setup.h"
#include "run_settings.h"
#include "settings_sheet.h"
#include "speech_host.h"
#include "word_report.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "vokrant: %s\n", message.c_str());
    return status;
}

// --words is analysis only: the engine's own analyser, no component needed.
int ReportWords(const std::string& cp1250Text, const SCommandLine& command) {
    SAttributeSAPI settings(nullptr);  // this run's settings, as prepared
    settings.taggedText = command.tagged;
    STtsEngine engine(nullptr, &settings);
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    int loaded = engine.Load(0);
    SetLogWriter(previous);
    if (loaded != 0)
        return Fail(kExitFailure, "cannot load the voice from " + settings.workDir + " (" +
                                      Cp1250ToUtf8(log.substr(0, log.find('\n'))) +
                                      "); use --voice-dir DIR");
    WriteWordReport(engine, cp1250Text, stdout);
    return std::fflush(stdout) == 0 ? kExitOk : Fail(kExitFailure, "cannot write the word report");
}

int Run(int argc, char** argv) {
    SParseResult parsed = ParseCommandLine(argc, argv);
    if (!parsed.error.empty()) return Fail(kExitUsage, parsed.error);
    const SCommandLine& command = parsed.command;
    if (command.help) return std::fputs(UsageText(), stdout), kExitOk;
    if (command.version) return std::printf("vokrant %s\n", VOKRANT_VERSION), kExitOk;
    if (command.settingsSheet) {
        std::string error = OpenSettingsSheet(argc, argv);
        return error.empty() ? kExitOk : Fail(kExitFailure, error);
    }

    SSpeechHost host;
    std::string error;
    if (command.listVoices) {
        if (!host.Load(&error) || !host.ListVoices(stdout, &error))
            return Fail(kExitFailure, error);
        return kExitOk;
    }

    SRunSettings settings;
    bool usageError = false;
    error = settings.Prepare(command, &usageError);
    if (!error.empty()) return Fail(usageError ? kExitUsage : kExitFailure, error);
    if (command.words) {
        STextInput input = ReadInputText(command, settings.ExtendedReading());
        if (!input.error.empty()) return Fail(kExitFailure, input.error);
        return ReportWords(input.cp1250, command);
    }
    std::unique_ptr<SInputPieces> input =
        OpenInputPieces(command, settings.ExtendedReading(), error);
    if (!input) return Fail(kExitFailure, error);

    if (!host.Load(&error)) return Fail(kExitFailure, error);
    SSpeakRequest request;
    request.pieces = [&input](SSpeakPiece& piece, std::string& readError) {
        std::string cp1250;
        if (!input->Next(cp1250, readError)) return false;
        piece.text = Cp1250ToUtf16(cp1250);
        piece.start = input->PieceStart();
        piece.last = input->AtEnd();
        return true;
    };
    request.tagged = command.tagged;
    request.outputPath = command.outputPath;
    if (command.marks) request.marks = command.outputPath == "-" ? stderr : stdout;
    if (!host.Speak(request, &error)) return Fail(kExitFailure, error);
    if (std::fflush(stdout) != 0) return Fail(kExitFailure, "cannot write standard output");
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    PrepareProcess();
    RemoveTemporariesOnInterrupt();
    try {
        std::vector<std::string> arguments = Utf8Arguments(argc, argv);
        std::vector<char*> pointers;
        for (std::string& argument : arguments) pointers.push_back(argument.data());
        pointers.push_back(nullptr);
        return Run(static_cast<int>(arguments.size()), pointers.data());
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
