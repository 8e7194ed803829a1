#include "wave_folder.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "engine/exceptions.h"

namespace voicebuild {

namespace fs = std::filesystem;

namespace {

// A wave file of an allophone is small; anything far larger is not one, and
// is refused before it is read into memory.
constexpr uintmax_t kMaxFileBytes = 16u << 20;

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}
void PutU16(std::string& out, uint16_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8));
}
uint32_t GetU32(const std::string& in, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | uint8_t(in[at + size_t(i)]);
    return v;
}
uint16_t GetU16(const std::string& in, size_t at) { return uint16_t(uint8_t(in[at]) | (uint8_t(in[at + 1]) << 8)); }

std::string EncodeWave(const std::vector<int16_t>& samples, int rate) {
    uint32_t bytes = uint32_t(samples.size() * 2);
    std::string out;
    out += "RIFF";
    PutU32(out, 36 + bytes);
    out += "WAVEfmt ";
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, uint32_t(rate));
    PutU32(out, uint32_t(rate) * 2);
    PutU16(out, 2);
    PutU16(out, 16);
    out += "data";
    PutU32(out, bytes);
    for (int16_t v : samples) PutU16(out, uint16_t(v));
    return out;
}

void WriteFileAtomically(const fs::path& path, const std::string& bytes) {
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.flush();
        if (!out) ThrowExit(kExitFileOpen, "cannot write %s", temp.c_str());
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) ThrowExit(kExitFileOpen, "cannot write %s: %s", path.c_str(), ec.message().c_str());
}

struct DecodedWave {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    int format = 0;
    std::vector<int16_t> samples;
    std::string error;  // empty when the file parsed
};

// Walks the RIFF chunks of a wave file held in memory; every size is checked
// against the bytes actually present.
DecodedWave DecodeWave(const std::string& in) {
    DecodedWave w;
    if (in.size() < 12 || in.compare(0, 4, "RIFF") != 0 || in.compare(8, 4, "WAVE") != 0) {
        w.error = "not a RIFF wave file";
        return w;
    }
    bool have_fmt = false, have_data = false;
    for (size_t at = 12; at + 8 <= in.size();) {
        std::string id = in.substr(at, 4);
        size_t size = GetU32(in, at + 4);
        size_t body = at + 8;
        if (size > in.size() - body) size = in.size() - body;  // a truncated last chunk keeps what is there
        if (id == "fmt " && size >= 16) {
            w.format = GetU16(in, body);
            w.channels = GetU16(in, body + 2);
            w.rate = int(GetU32(in, body + 4));
            w.bits = GetU16(in, body + 14);
            have_fmt = true;
        } else if (id == "data" && have_fmt && !have_data) {
            w.samples.resize(size / 2);
            for (size_t i = 0; i < w.samples.size(); ++i) w.samples[i] = int16_t(GetU16(in, body + 2 * i));
            have_data = true;
        }
        at = body + size + (size & 1);
    }
    if (!have_fmt) w.error = "no 'fmt ' chunk";
    else if (!have_data) w.error = "no 'data' chunk";
    return w;
}

}  // namespace

void WriteWaveFolder(const std::string& dir, const RecordingSet& set) {
    fs::create_directories(dir);
    std::string notes = "#source\t" + set.source + "\n";
    for (const auto& r : set.recordings) {
        WriteFileAtomically(fs::path(dir) / (r.name + ".wav"), EncodeWave(r.samples, set.rate));
        notes += r.name + "\t" + r.how + "\n";
    }
    WriteFileAtomically(fs::path(dir) / kNotesFile, notes);
}

namespace {

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

}  // namespace

FolderReading ReadWaveFolder(const std::string& dir, const std::vector<std::string>& names, int rate) {
    FolderReading reading;
    reading.set.rate = rate;
    std::map<std::string, std::string> notes = ReadNotes(fs::path(dir) / kNotesFile);
    reading.set.source = notes.count("#source") ? notes["#source"] : "Recordings in " + fs::path(dir).filename().string() + ".";
    for (const auto& name : names) {
        fs::path path = fs::path(dir) / (name + ".wav");
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            reading.problems.push_back("missing: " + path.string());
            continue;
        }
        std::error_code ec;
        if (fs::file_size(path, ec) > kMaxFileBytes) {
            reading.problems.push_back("larger than an allophone can be: " + path.string());
            continue;
        }
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        DecodedWave w = DecodeWave(bytes);
        std::string problem;
        if (!w.error.empty()) problem = w.error;
        else if (w.format != 1 || w.bits != 16 || w.channels != 1) problem = "not 16-bit mono PCM";
        else if (w.rate != rate) problem = "rate " + std::to_string(w.rate) + " Hz, expected " + std::to_string(rate) + " Hz";
        else if (w.samples.empty()) problem = "no samples";
        else if (w.samples.size() > size_t(rate) * kMaxRecordingMs / 1000)
            problem = "longer than " + std::to_string(kMaxRecordingMs) + " ms";
        else if (MeasureLevel(w.samples, rate).peak_db < kSilentPeakDb) problem = "silent";
        if (!problem.empty()) {
            reading.problems.push_back(problem + ": " + path.string());
            continue;
        }
        auto note = notes.find(name);
        std::string how = note != notes.end() ? note->second : "recorded: " + path.filename().string();
        reading.set.recordings.push_back({name, std::move(w.samples), how});
    }
    return reading;
}

}  // namespace voicebuild
