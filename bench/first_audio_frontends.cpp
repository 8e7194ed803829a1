// Time to first audio through the front ends other programs use: the C
// interface (vokrant_speak to the first AUDIO callback) and the
// speech-dispatcher module (SPEAK written to the first 705 block read), for
// a sentence of about 150 characters. Goal: under 5 ms for both.
//
//   vokrant-bench-first-audio [ROUNDS]
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "module_process.h"
#include "vokrant/vokrant.h"

namespace {

using SClock = std::chrono::steady_clock;

const char* const kSentence =
    "Wczoraj wieczorem moja sąsiadka przyniosła świeży chleb z piekarni na rogu ulicy, "
    "a potem wszyscy piliśmy herbatę z cytryną w ogrodzie pod starym dębem.";

double Milliseconds(SClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Report(const char* what, std::vector<double> times) {
    if (times.empty()) return void(std::printf("%-34s no measurement\n", what));
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %.3f ms  min %.3f ms  90%% %.3f ms  (%zu rounds)\n", what,
                times[times.size() / 2], times.front(), times[times.size() * 9 / 10], times.size());
}

// CPU time of this thread: on a busy machine the wall clock also counts
// the time other processes held the processor.
double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct SFirst {
    SClock::time_point start, first;
    double cpuStart = 0, cpuFirst = 0;
    bool got = false;
};

std::vector<double> ThroughCInterface(int rounds, std::vector<double>& cpuTimes) {
    std::vector<double> times;
    vokrant* voice = vokrant_new(VOKRANT_SOURCE_DATA_DIR, nullptr, nullptr);
    if (!voice) {
        std::fprintf(stderr, "%s\n", vokrant_last_error(nullptr));
        return times;
    }
    for (int i = 0; i < rounds + 1; ++i) {
        SFirst first;
        first.start = SClock::now();
        first.cpuStart = ThreadCpuMilliseconds();
        vokrant_speak(
            voice, kSentence, static_cast<size_t>(-1), 0,
            [](const vokrant_event* event, void* user) {
                auto& f = *static_cast<SFirst*>(user);
                if (event->type != VOKRANT_EVENT_AUDIO) return 0;
                f.first = SClock::now();
                f.cpuFirst = ThreadCpuMilliseconds();
                f.got = true;
                return 1;  // the first sound is all we time
            },
            &first);
        if (first.got && i > 0) {  // round 0 warms up
            times.push_back(Milliseconds(first.first - first.start));
            cpuTimes.push_back(first.cpuFirst - first.cpuStart);
        }
    }
    vokrant_free(voice);
    return times;
}

std::vector<double> ThroughModule(int rounds) {
    std::vector<double> times;
    namespace fs = std::filesystem;
    fs::path config = fs::temp_directory_path() / "vokrant-bench-sd.conf";
    std::ofstream(config) << "VokrantVoiceDir \"" << VOKRANT_SOURCE_DATA_DIR << "\"\n";
    setenv("VOKRANT_CONFIG_DIR", (fs::temp_directory_path() / "vokrant-bench-config").c_str(), 1);
    SModuleProcess module(VOKRANT_SD_MODULE_PATH, config.string());
    module.Send("INIT\n");
    if (module.ReadUntil({"299 ", "399 "}).back().rfind("299", 0) != 0) return times;
    module.Send("AUDIO\naudio_output_method=server\n.\n");
    module.ReadUntil({"203", "303"});
    const std::string message = std::string("SPEAK\n<speak>") + kSentence + "</speak>\n.\n";
    for (int i = 0; i < rounds + 1; ++i) {
        const SClock::time_point start = SClock::now();
        module.Send(message);
        const std::vector<std::string> lines = module.ReadUntil({"705 AUDIO", "301", "702"});
        const SClock::time_point first = SClock::now();
        module.Send("STOP\n");
        module.ReadUntil({"703", "702"});
        if (lines.back() == "705 AUDIO" && i > 0) times.push_back(Milliseconds(first - start));
    }
    module.Send("QUIT\n");
    module.ReadUntil({"210"});
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    std::printf("sentence of %zu bytes\n", std::string(kSentence).size());
    std::vector<double> cpuTimes;
    Report("C interface, first AUDIO callback", ThroughCInterface(rounds, cpuTimes));
    Report("  the same, CPU time of the thread", cpuTimes);
    Report("sd_vokrant, SPEAK to first 705", ThroughModule(rounds));
    return 0;
}
