#include "voice_builder.h"

#include <filesystem>
#include <fstream>

#include "database_writer.h"
#include "core/exceptions.h"
#include "voice_database.h"
#include "voice_report.h"
#include "wave_folder.h"

namespace voicebuild {

namespace fs = std::filesystem;

namespace {

void WriteTextAtomically(const fs::path& path, const std::string& text) {
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) ThrowExit(kExitFileOpen, "cannot write %s", temp.c_str());
    }
    fs::rename(temp, path);
}

}  // namespace

BuildOutcome BuildVoice(const BuildRequest& request) {
    BuildOutcome outcome;
    FolderReading reading = ReadWaveFolder(request.recordings_dir, RecordedNames(), kNormalRate);
    outcome.problems = reading.problems;
    if (!outcome.problems.empty()) return outcome;

    RecordingSet& normal = reading.set;
    ConditionRecordings(normal);
    RecordingSet half = Resample(normal, kHalfRate);

    fs::create_directories(request.output_dir);
    const fs::path out(request.output_dir);
    ReportFile files[2] = {{"pln_22.als", 0}, {"pln_11.als", 0}};
    const RecordingSet* sets[2] = {&normal, &half};
    for (int i = 0; i < 2; ++i) {
        fs::path path = out / files[i].name;
        WriteVoiceDatabase(path.string(), *sets[i]);
        files[i].bytes = (long long)fs::file_size(path);
        outcome.written.push_back(path.string());
    }
    if (!request.report_path.empty()) {
        WriteTextAtomically(request.report_path, VoiceReport(normal, normal.source, files));
        outcome.written.push_back(request.report_path);
    }
    return outcome;
}

}  // namespace voicebuild
