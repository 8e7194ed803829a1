#include "voice_builder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/exceptions.h"
#include "database_writer.h"
#include "soundfile/binary_file.h"
#include "voice_database.h"
#include "voice_report.h"
#include "wave_folder.h"

namespace voicebuild {

namespace fs = std::filesystem;

namespace {

void WriteTextAtomically(const fs::path& path, const std::string& text) {
    SAtomicFile target(path.string());
    target.File().Write(text.data(), static_cast<int64_t>(text.size()));
    target.Commit();
}

// The measured figures that tools/voicebuild/voice_figures.sh produces are
// pasted below the generated report; a rebuild keeps them.
std::string KeptMeasurements(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = text.find("\n## Measurements");
    return at == std::string::npos ? std::string() : text.substr(at);
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
        std::string report = VoiceReport(normal, normal.source, files);
        while (!report.empty() && report.back() == '\n') report.pop_back();
        report += "\n";
        std::string kept = KeptMeasurements(request.report_path);
        WriteTextAtomically(request.report_path, kept.empty() ? report : report + kept);
        outcome.written.push_back(request.report_path);
    }
    return outcome;
}

}  // namespace voicebuild
