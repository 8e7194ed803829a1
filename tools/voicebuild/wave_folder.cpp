#include "wave_folder.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/exceptions.h"
#include "model/wave.h"
#include "platform/codepage.h"
#include "soundfile/binary_file.h"
#include "soundfile/sound_file_io.h"
#include "soundfile/sound_messages.h"

namespace voicebuild {

namespace fs = std::filesystem;

namespace {

// A wave file of an allophone is small; anything far larger is not one, and
// is refused before it is read into memory.
constexpr uintmax_t kMaxFileBytes = 16u << 20;

void WriteTextAtomically(const fs::path& path, const std::string& text) {
    SAtomicFile target(path.string());
    target.File().Write(text.data(), int64_t(text.size()));
    target.Commit();
}

// name -> how, from the notes file of a folder written by WriteWaveFolder.
std::map<std::string, std::string> ReadNotes(const fs::path& path) {
    std::map<std::string, std::string> notes;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        size_t tab = line.find('\t');
        if (tab != std::string::npos) notes[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return notes;
}

// The folder's own words for what the sound-file layer found wrong; other
// damage is reported with the layer's reason.
std::string DescribeReadFailure(const SExitException& e, const fs::path& path) {
    if (e.GetCode() == kExitFileOpen) return "missing";
    std::string message = e.GetMessage();
    char unknown[SException::kMessageSize];
    std::snprintf(unknown, sizeof unknown, kMsgUnknownFormat, path.c_str());
    if (message == unknown) return "not a RIFF wave file";
    if (message == kMsgNoFmt) return "no 'fmt ' chunk";
    return "damaged (" + Cp1250ToUtf8(message) + ")";
}

// Empty when the samples, read in the given format, can be taken as a
// recording at rate; else what is wrong with them.
std::string FindUnfitness(const SPcmFormat& format, const std::vector<int16_t>& samples, int rate) {
    // The layer hands 8-bit files over as 16-bit samples; the tag and the
    // channels are left to the caller.
    if (format.formatTag != 1 || format.bitsPerSample != 16 || format.channels != 1)
        return "not 16-bit mono PCM";
    if (int(format.samplesPerSec) != rate)
        return "rate " + std::to_string(format.samplesPerSec) + " Hz, expected " +
               std::to_string(rate) + " Hz";
    if (samples.empty()) return "no samples (no 'data' chunk, or an empty one)";
    if (samples.size() > size_t(rate) * kMaxRecordingMs / 1000)
        return "longer than " + std::to_string(kMaxRecordingMs) + " ms";
    if (MeasureLevel(samples, rate).peak_db < kSilentPeakDb) return "silent";
    return "";
}

}  // namespace

void WriteWaveFolder(const std::string& dir, const RecordingSet& set) {
    fs::create_directories(dir);
    const SPcmFormat mono16{1, 1, uint32_t(set.rate), uint32_t(set.rate) * 2, 2, 16};
    const SSndFormat file{kFormatWav, kCompressionPcm, kSampleS16, set.rate};
    std::string notes = "#source\t" + set.source + "\n";
    for (const auto& r : set.recordings) {
        SWave wave;
        wave.SetFromSamples(r.samples.data(), int(r.samples.size()), mono16);
        WriteSoundFile((fs::path(dir) / (r.name + ".wav")).string(), wave, file);
        notes += r.name + "\t" + r.how + "\n";
    }
    WriteTextAtomically(fs::path(dir) / kNotesFile, notes);
}

FolderReading ReadWaveFolder(const std::string& dir, const std::vector<std::string>& names,
                             int rate) {
    FolderReading reading;
    reading.set.rate = rate;
    std::map<std::string, std::string> notes = ReadNotes(fs::path(dir) / kNotesFile);
    reading.set.source = notes.count("#source")
                             ? notes["#source"]
                             : "Recordings in " + fs::path(dir).filename().string() + ".";
    for (const auto& name : names) {
        fs::path path = fs::path(dir) / (name + ".wav");
        std::error_code ec;
        uintmax_t bytes = fs::file_size(path, ec);
        if (ec) {
            reading.problems.push_back("missing: " + path.string());
            continue;
        }
        if (bytes > kMaxFileBytes) {
            reading.problems.push_back("larger than an allophone can be: " + path.string());
            continue;
        }
        SWave wave;
        std::vector<int16_t> samples;
        std::string problem;
        try {
            ReadSoundFile(path.string(), wave);
            samples.assign(wave.Samples(), wave.Samples() + wave.SampleCount());
            problem = FindUnfitness(wave.format, samples, rate);
        } catch (const SExitException& e) {
            problem = DescribeReadFailure(e, path);
        }
        if (!problem.empty()) {
            reading.problems.push_back(problem + ": " + path.string());
            continue;
        }
        auto note = notes.find(name);
        std::string how =
            note != notes.end() ? note->second : "recorded: " + path.filename().string();
        reading.set.recordings.push_back({name, std::move(samples), how});
    }
    return reading;
}

}  // namespace voicebuild
