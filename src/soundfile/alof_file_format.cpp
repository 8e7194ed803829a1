#include "soundfile/alof_file_format.h"

#include <vector>

#include "core/exceptions.h"
#include "model/pattern_store.h"
#include "soundfile/sound_messages.h"
#include "soundfile/voice_records.h"

int64_t SAlofFileFormat::SoundOffset(int n) {
    return NthDataChunk(n);
}

void SAlofFileFormat::ReadFmt(SPcmFormat& out, int64_t /*offset*/) {
    SRiffFileFormat::ReadFmt(out, 0);
}

void SAlofFileFormat::LoadPatterns(SAlfPattArr& store) {
    SPcmFormat format;
    std::vector<unsigned char> samples;
    WalkChunks(0, [&](const SChunk& chunk) {
        if (chunk.Is("fmt ")) {
            ReadRecordChunk(chunk, &format, kMsgFmtLength);
        } else if (chunk.Is("data")) {
            RequireBytes(chunk.size);
            CheckPatternLength(chunk.size / 2);
            samples.resize(chunk.size);
            ReadExact(samples.data(), chunk.size);
        } else if (chunk.Is("info")) {
            if (chunk.size != 12) ThrowExit(kExitProcessing, kMsgInfoLength);
            SAlofonHeader header;
            ReadExact(&header, 12);
            store.Store(header.id, new SAlofonPatt(header, samples.data(),
                                                   static_cast<int>(samples.size()), format));
        }
        return true;
    });
}

void SAlofFileFormat::BeginDatabase(const SPcmFormat& format) {
    writer_ = std::make_unique<SRiffWriter>(*file_, "ALOF");
    writer_->Chunk("VER ", &kAlofVersion, 16);
    writer_->Chunk("fmt ", &format, 16);
}

void SAlofFileFormat::WriteRecording(const SAlofonHeader& header, const int16_t* samples,
                                     int count) {
    writer_->Chunk("data", samples, 2 * static_cast<uint32_t>(std::max(count, 0)));
    writer_->Chunk("info", &header, 12);
}

void SAlofFileFormat::FinishDatabase() {
    writer_->Finish();
    writer_.reset();
}

void SAlofFileFormat::WriteDatabase(const SAlfPattArr& store) {
    BeginDatabase(store.VoiceFormat());
    for (int id = 1; id < store.GetSize(); ++id) {
        if (!IsSavedId(store, id)) continue;
        const SAlofonPatt& pattern = *store.PatternAt(id);
        std::vector<int16_t> samples = RenderPattern(pattern);
        WriteRecording(pattern.Header(), samples.data(), static_cast<int>(samples.size()));
    }
    FinishDatabase();
}
