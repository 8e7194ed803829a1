// voicebuild: makes the voice databases pln_22.als and pln_11.als.
//
//   voicebuild extract DIR               espeak-ng carriers -> DIR/<name>.wav (22050 Hz)
//   voicebuild build DIR OUTDIR [--report FILE]
//                                        DIR/<name>.wav -> OUTDIR/pln_22.als, OUTDIR/pln_11.als
//   voicebuild levels DIR                loudness spread by class of DIR/<name>.wav
//   voicebuild joins VOICEDIR SENTENCES  the joins the sentences (UTF-8, one a line) make
//   voicebuild contexts VOICEDIR PROSE [--scheme pair|classes|after|before|typical|stop-closure,...]
//              [--least N] [--seconds S] [--sentences N] [--tokens CACHE]
//                                        context recordings cut from espeak-ng's reading of
//                                        the prose (UTF-8) into VOICEDIR's two voice files
//
// Exit status: 0 success, 2 usage error, 1 any other error.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "context_build.h"
#include "core/exceptions.h"
#include "espeak_source.h"
#include "join_survey.h"
#include "model/pattern_store.h"
#include "platform/interrupt_cleanup.h"
#include "soundfile/voice_loader.h"
#include "voice_builder.h"
#include "voice_database.h"
#include "voice_report.h"
#include "wave_folder.h"

namespace {

int Usage() {
    std::fprintf(
        stderr,
        "usage: voicebuild extract DIR\n"
        "       voicebuild build DIR OUTDIR [--report FILE]\n"
        "       voicebuild levels DIR\n"
        "       voicebuild joins VOICEDIR SENTENCES\n"
        "       voicebuild contexts VOICEDIR PROSE [--scheme pair|classes|after|before|typical|stop-closure,...]\n"
        "                  [--least N] [--seconds S] [--sentences N] [--tokens CACHE]\n");
    return 2;
}

int Extract(const std::string& dir) {
    voicebuild::RecordingSet set = voicebuild::ExtractFromEspeak();
    voicebuild::WriteWaveFolder(dir, set);
    std::printf("%zu allophones written to %s\n%s", set.recordings.size(), dir.c_str(),
                voicebuild::DurationSummary(set).c_str());
    return 0;
}

int Levels(const std::string& dir) {
    voicebuild::FolderReading reading =
        voicebuild::ReadWaveFolder(dir, voicebuild::RecordedNames(), voicebuild::kNormalRate);
    for (const auto& p : reading.problems) std::fprintf(stderr, "voicebuild: %s\n", p.c_str());
    if (!reading.problems.empty()) return 1;
    std::printf("%s", voicebuild::LevelSummary(reading.set).c_str());
    return 0;
}

int Joins(const std::string& voice_dir, const std::string& sentences_file) {
    std::ifstream in(sentences_file);
    if (!in) {
        std::fprintf(stderr, "voicebuild: cannot read %s\n", sentences_file.c_str());
        return 1;
    }
    std::vector<std::string> sentences;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) sentences.push_back(line);
    std::string dir = voice_dir.empty() || voice_dir.back() == '/' ? voice_dir : voice_dir + "/";
    LoadVoice(NormalVoice(), "pln_22.als", dir);
    LoadVoice(HalfRateVoice(), "pln_11.als", dir);
    std::printf(
        "%s",
        voicebuild::JoinReport(voicebuild::SurveyJoins(sentences, NormalVoice()), 10).c_str());
    return 0;
}

int Build(int argc, char** argv) {
    voicebuild::BuildRequest request;
    request.recordings_dir = argv[2];
    request.output_dir = argv[3];
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--report") == 0 && i + 1 < argc)
            request.report_path = argv[++i];
        else
            return Usage();
    }
    voicebuild::BuildOutcome outcome = voicebuild::BuildVoice(request);
    for (const auto& p : outcome.problems) std::fprintf(stderr, "voicebuild: %s\n", p.c_str());
    if (!outcome.problems.empty()) {
        std::fprintf(stderr, "voicebuild: %zu recording(s) missing or unfit; nothing written\n",
                     outcome.problems.size());
        return 1;
    }
    for (const auto& path : outcome.written) std::printf("wrote %s\n", path.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    RemoveTemporariesOnInterrupt();
    try {
        if (argc == 3 && std::strcmp(argv[1], "extract") == 0) return Extract(argv[2]);
        if (argc >= 4 && std::strcmp(argv[1], "build") == 0) return Build(argc, argv);
        if (argc == 3 && std::strcmp(argv[1], "levels") == 0) return Levels(argv[2]);
        if (argc == 4 && std::strcmp(argv[1], "joins") == 0) return Joins(argv[2], argv[3]);
        if (argc >= 4 && std::strcmp(argv[1], "contexts") == 0) {
            voicebuild::ContextRequest request;
            if (!voicebuild::ParseContextRequest(argc - 2, argv + 2, request)) return Usage();
            std::printf("%s", voicebuild::BuildContextSounds(request).c_str());
            return 0;
        }
        return Usage();
    } catch (const SException& e) {
        std::fprintf(stderr, "voicebuild: %s\n", e.GetMessage());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "voicebuild: %s\n", e.what());
        return 1;
    }
}
