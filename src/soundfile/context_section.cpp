#include "soundfile/context_section.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/exceptions.h"
#include "model/context_sounds.h"
#include "model/pattern_store.h"
#include "soundfile/byte_order.h"
#include "soundfile/sound_messages.h"
#include "soundfile/voice_records.h"

namespace {

constexpr uint32_t kSectionVersion = 1;
constexpr size_t kRecordHeaderBytes = 12;
constexpr size_t kRiffHeaderBytes = 12, kChunkHeaderBytes = 8;

uint32_t Fnv1a(const unsigned char* data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

std::vector<unsigned char> ReadAll(SBinaryFile& file) {
    const int64_t length = file.GetLength();
    std::vector<unsigned char> bytes(static_cast<size_t>(std::max<int64_t>(length, 0)));
    file.Seek(0, kSeekBegin);
    if (file.Read(bytes.data(), length) != length) throw SException("%s", kMsgReadError);
    return bytes;
}

// A top-level chunk of a RIFF file held in memory.
struct SChunkSpan {
    size_t start = 0;  // of its header
    size_t size = 0;   // of its payload
    bool IsContext(const std::vector<unsigned char>& bytes) const {
        return std::memcmp(bytes.data() + start, kContextChunkId, 4) == 0;
    }
};

// The chunks after the RIFF header, up to the first that does not fit.
std::vector<SChunkSpan> TopLevelChunks(const std::vector<unsigned char>& bytes) {
    std::vector<SChunkSpan> chunks;
    if (bytes.size() < kRiffHeaderBytes || std::memcmp(bytes.data(), "RIFF", 4) != 0) return chunks;
    size_t at = kRiffHeaderBytes;
    while (bytes.size() - at >= kChunkHeaderBytes) {
        const size_t size = LoadLE32(bytes.data() + at + 4);
        chunks.push_back({at, size});
        if (size > bytes.size() - at - kChunkHeaderBytes) break;
        at += kChunkHeaderBytes + size;
    }
    return chunks;
}

void Append16(std::vector<unsigned char>& out, uint16_t v) {
    unsigned char b[2];
    StoreLE16(b, v);
    out.insert(out.end(), b, b + 2);
}

void Append32(std::vector<unsigned char>& out, uint32_t v) {
    unsigned char b[4];
    StoreLE32(b, v);
    out.insert(out.end(), b, b + 4);
}

// The id's own pattern, which a context recording must match in length.
const SAlofonPatt* OwnPattern(const SAlfPattArr& store, int id) {
    const SAlofonPatt* own = id < kAlfFirstPause ? store.PatternAt(id) : nullptr;
    return own && !(own->features & AF_PAUSE) ? own : nullptr;
}

}  // namespace

std::vector<unsigned char> ContextSectionPayload(const std::vector<SContextRecording>& recordings) {
    std::vector<unsigned char> out;
    Append32(out, kSectionVersion);
    Append32(out, static_cast<uint32_t>(recordings.size()));
    for (const SContextRecording& r : recordings) {
        Append16(out, r.id);
        Append16(out, r.before);
        Append16(out, r.after);
        Append16(out, 0);
        Append32(out, static_cast<uint32_t>(r.samples.size()));
        for (int16_t s : r.samples) Append16(out, static_cast<uint16_t>(s));
    }
    Append32(out, Fnv1a(out.data(), out.size()));
    return out;
}

std::vector<SContextRecording> ParseContextSection(const std::vector<unsigned char>& payload) {
    return ParseContextSection(payload.data(), payload.size());
}

std::vector<SContextRecording> ParseContextSection(const unsigned char* payload, size_t size) {
    if (size < 12) throw SException("%s", kMsgContextTruncated);
    const size_t body = size - 4;
    if (Fnv1a(payload, body) != LoadLE32(payload + body))
        throw SException("%s", kMsgContextChecksum);
    if (LoadLE32(payload) != kSectionVersion) throw SException("%s", kMsgContextVersion);
    const uint32_t count = LoadLE32(payload + 4);
    // Each record takes at least its header: a count beyond that is damage,
    // caught before anything is allocated for it.
    if (count > (body - 8) / kRecordHeaderBytes) throw SException("%s", kMsgContextTruncated);
    std::vector<SContextRecording> recordings(count);
    size_t at = 8;
    for (uint32_t n = 0; n < count; ++n) {
        if (body - at < kRecordHeaderBytes) throw SException("%s", kMsgContextTruncated);
        SContextRecording& r = recordings[n];
        const unsigned char* p = payload + at;
        r.id = LoadLE16(p);
        r.before = LoadLE16(p + 2);
        r.after = LoadLE16(p + 4);
        const uint32_t samples = LoadLE32(p + 8);
        at += kRecordHeaderBytes;
        const bool known = r.id >= 1 && r.id < kAlfFirstPause;
        if (!known || LoadLE16(p + 6) != 0 || !IsValidContextKey(r.before) ||
            !IsValidContextKey(r.after) || samples > kMaxPatternSamples)
            throw SException(kMsgContextRecord, n + 1);
        if ((body - at) / 2 < samples) throw SException("%s", kMsgContextTruncated);
        r.samples.resize(samples);
        for (uint32_t i = 0; i < samples; ++i, at += 2)
            r.samples[i] = static_cast<int16_t>(LoadLE16(payload + at));
    }
    if (at != body) throw SException("%s", kMsgContextTruncated);
    return recordings;
}

void LoadContextSection(SBinaryFile& file, SAlfPattArr& store) {
    LoadContextSection(file, store, store.contextSounds);
}

void LoadContextSection(SBinaryFile& file, const SAlfPattArr& patterns, SContextSounds& into) {
    into.Clear();
    std::vector<SContextRecording> recordings;
    {
        const std::vector<unsigned char> bytes = ReadAll(file);
        const std::vector<SChunkSpan> chunks = TopLevelChunks(bytes);
        auto chunk = std::find_if(chunks.begin(), chunks.end(),
                                  [&](const SChunkSpan& c) { return c.IsContext(bytes); });
        if (chunk == chunks.end()) return;
        const size_t from = chunk->start + kChunkHeaderBytes;
        if (chunk->size > bytes.size() - from) throw SException("%s", kMsgContextTruncated);
        recordings = ParseContextSection(bytes.data() + from, chunk->size);
    }
    // The file's bytes are gone before the slopes are made: holding both
    // would need half as much memory again as the recordings keep.
    SContextSounds loaded;
    for (size_t n = 0; n < recordings.size(); ++n) {
        SContextRecording& r = recordings[n];
        const SAlofonPatt* own = OwnPattern(patterns, r.id);
        const int ownLength = own ? own->SampleLength() : -1;
        if (static_cast<int>(r.samples.size()) != ownLength)
            throw SException(kMsgContextLength, static_cast<unsigned>(n + 1),
                             static_cast<unsigned>(r.samples.size()),
                             static_cast<unsigned>(std::max(ownLength, 0)));
        loaded.Add(r.id, r.before, r.after, std::move(r.samples));
    }
    into = std::move(loaded);
}

void ReplaceContextSection(const std::string& path,
                           const std::vector<SContextRecording>& recordings) {
    std::vector<unsigned char> bytes;
    {
        std::unique_ptr<SDiskFile> in = SDiskFile::Open(path, SDiskFile::kRead);
        if (!in) ThrowExit(kExitFileOpen, kMsgCannotOpen, path.c_str());
        bytes = ReadAll(*in);
    }
    std::vector<unsigned char> out(bytes.begin(),
                                   bytes.begin() + std::min(bytes.size(), kRiffHeaderBytes));
    for (const SChunkSpan& chunk : TopLevelChunks(bytes)) {
        if (chunk.IsContext(bytes)) continue;
        const size_t end = std::min(bytes.size(), chunk.start + kChunkHeaderBytes + chunk.size);
        out.insert(out.end(), bytes.begin() + chunk.start, bytes.begin() + end);
    }
    if (!recordings.empty()) {
        const std::vector<unsigned char> payload = ContextSectionPayload(recordings);
        out.insert(out.end(), kContextChunkId, kContextChunkId + 4);
        Append32(out, static_cast<uint32_t>(payload.size()));
        out.insert(out.end(), payload.begin(), payload.end());
    }
    if (out.size() >= 8) StoreLE32(out.data() + 4, static_cast<uint32_t>(out.size() - 8));
    SAtomicFile target(path);
    target.File().Write(out.data(), static_cast<int64_t>(out.size()));
    target.Commit();
}
