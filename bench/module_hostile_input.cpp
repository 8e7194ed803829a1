// What the speech-dispatcher module does with 16 MB (its message limit) of
// markup that never closes: the time to convert each construct whole and a
// piece at a time (goal: under a second each), and, through the module
// itself, the time from STOP to its answer while it speaks such a message,
// STOP sent at several moments (goal: under 100 ms). Also the time of a character echo, CHAR
// written to 702 END read, and the length of its sound.
//
//   vokrant-bench-module-hostile [MEGABYTES]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "module_process.h"
#include "module_session.h"
#include "ssml_text.h"

namespace {

using SClock = std::chrono::steady_clock;

const char* const kConstructs[] = {"<", "<!--", "<?", "<![CDATA[", "<a b='", "&"};

double Milliseconds(SClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::string Repeated(const std::string& unit, size_t bytes) {
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() + unit.size() <= bytes) text += unit;
    return text;
}

void ConversionTimes(size_t bytes) {
    for (const char* construct : kConstructs) {
        const std::string message = Repeated(construct, bytes);
        for (size_t pieceBytes : {size_t{0}, kPieceBytes}) {
            const auto start = SClock::now();
            SSsmlConverter converter(message, SSsmlState{}, pieceBytes);
            size_t pieces = 0;
            for (STaggedText piece; converter.Next(piece);) ++pieces;
            std::printf("convert %-10s %zu MB %-8s %8.1f ms  %zu pieces\n", construct, bytes >> 20,
                        pieceBytes ? "pieces" : "whole", Milliseconds(SClock::now() - start),
                        pieces);
        }
    }
}

std::string ConfigFile() {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("vokrant-bench-hostile-" + std::to_string(getpid()) + ".conf");
    std::ofstream(file) << "VokrantVoiceDir \"" << VOKRANT_SOURCE_DATA_DIR << "\"\n";
    return file.string();
}

std::unique_ptr<SModuleProcess> StartModule(const std::string& config) {
    auto module = std::make_unique<SModuleProcess>(VOKRANT_SD_MODULE_PATH, config, 4096);
    module->Send("INIT\n");
    module->ReadUntil({"299 ", "399 "});
    module->Send("AUDIO\naudio_output_method=server\n.\n");
    module->ReadUntil({"203", "303"});
    return module;
}

// STOP sent at several moments after BEGIN: the module reads commands
// between steps, so the slowest answer shows its longest step.
void StopTimes(size_t bytes, const std::string& config) {
    auto module = StartModule(config);
    std::vector<std::pair<std::string, std::string>> units;
    for (const char* construct : kConstructs) units.push_back({construct, construct});
    units.push_back({"a\\n", "a\n"});  // a message of eight million lines
    for (const auto& [name, unit] : units) {
        const std::string message = "SPEAK\n" + Repeated(unit, bytes) + "\n.\n";
        std::printf("stop    %-10s %zu MB  STOP to answer after BEGIN +", name.c_str(),
                    bytes >> 20);
        double slowest = 0, toBegin = 0;
        for (int delayMs : {0, 20, 60, 150, 400}) {
            const auto sent = SClock::now();
            module->Send(message);
            const std::vector<std::string> begun = module->ReadUntil({"701", "301"}, 600000);
            toBegin = std::max(toBegin, Milliseconds(SClock::now() - sent));
            if (begun.empty() || begun.back() != "701 BEGIN") {
                std::printf(" no BEGIN");
                continue;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            const auto stop = SClock::now();
            module->Send("STOP\n");
            const std::vector<std::string> ended = module->ReadUntil({"702", "703"}, 600000);
            const double ms = Milliseconds(SClock::now() - stop);
            slowest = std::max(slowest, ms);
            std::printf(" %d ms: %.1f%s", delayMs, ms,
                        !ended.empty() && ended.back() == "703 STOP" ? "" : " (no 703)");
        }
        std::printf("  slowest %.1f ms; SPEAK to BEGIN up to %.1f ms\n", slowest, toBegin);
    }
}

void CharacterEcho(const std::string& config) {
    auto module = StartModule(config);
    for (const char* character : {"ż", "a", "Ż", "\\"}) {
        const auto sent = SClock::now();
        module->Send(std::string("CHAR\n") + character + "\n.\n");
        size_t samples = 0;
        for (const std::string& line : module->ReadUntil({"702", "301"})) {
            std::vector<int16_t> pcm;
            if (DecodeAudioLine(line, pcm)) samples += pcm.size();
        }
        std::printf("char    %-4s CHAR to END %6.1f ms  sound %6.1f ms\n", character,
                    Milliseconds(SClock::now() - sent), samples * 1000.0 / 22050);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 16;
    // Just below the limit: a message of the limit and its line end is refused.
    const size_t bytes = (megabytes << 20) - 16;
    ConversionTimes(bytes);
    const std::string config = ConfigFile();
    StopTimes(bytes, config);
    CharacterEcho(config);
    return 0;
}
