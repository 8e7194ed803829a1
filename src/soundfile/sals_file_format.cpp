#include "soundfile/sals_file_format.h"

#include <cstring>

#include "core/exceptions.h"
#include "model/pattern_store.h"
#include "platform/log.h"
#include "soundfile/byte_order.h"
#include "soundfile/riff_writer.h"
#include "soundfile/sound_messages.h"
#include "soundfile/voice_records.h"

namespace {

// The 16-byte "info" payload of this layout: the allophone header and "maxe".
struct SSplAlsInfo {
    SAlofonHeader header;
    uint32_t maxe;
};
static_assert(sizeof(SSplAlsInfo) == 16);

}  // namespace

int64_t SSplAlsFileFormat::SoundOffset(int n) {
    return NthDataChunk(n);
}

void SSplAlsFileFormat::ReadFmt(SPcmFormat& out, int64_t /*offset*/) {
    SRiffFileFormat::ReadFmt(out, 0);
}

void SSplAlsFileFormat::LoadPatterns(SAlfPattArr& store) {
    SPcmFormat format;
    SSplAlsInfo info{};
    WalkChunks(0, [&](const SChunk& chunk) {
        if (chunk.Is("VER ")) {
            SVersion version;
            ReadRecordChunk(chunk, &version, kMsgVerLength);
            if (!(version == kSplAlsVersion)) ThrowExit(kExitProcessing, kMsgPatternVersion);
        } else if (chunk.Is("fmt ")) {
            ReadRecordChunk(chunk, &format, kMsgFmtLength);
        } else if (chunk.Is("info")) {
            if (chunk.size != 16) ThrowExit(kExitProcessing, kMsgInfoLength);
            ReadExact(&info, 16);
        } else if (chunk.Is("data")) {
            auto pattern = std::make_unique<SAlofonPatt>();
            ReadSegmentRecords(*file_, *pattern);
            pattern->first = 0;
            pattern->end = CheckSegments(*pattern);
            pattern->format = format;
            pattern->maxe = info.maxe;
            pattern->SetHeader(info.header);
            store.Store(info.header.id, pattern.release());
        }
        return true;
    });
}

void SSplAlsFileFormat::ReadPattern(SAlofonPatt& /*pattern*/, int64_t /*offset*/) {
    LogMessage("%s", kMsgNotImplemented);
}

void SSplAlsFileFormat::WritePattern(const SAlofonPatt* /*pattern*/) {
    LogMessage("%s", kMsgNotImplemented);
}

void SSplAlsFileFormat::WriteDatabase(const SAlfPattArr& store) {
    SRiffWriter writer(*file_, "SALS");
    SPcmFormat format = store.VoiceFormat();
    writer.Chunk("fmt ", &format, 16);
    writer.Chunk("VER ", &kSplAlsVersion, 16);
    for (int id = 1; id < store.GetSize(); ++id) {
        if (!IsSavedId(store, id)) continue;
        const SAlofonPatt& pattern = *store.PatternAt(id);
        SSplAlsInfo info{pattern.Header(), pattern.maxe};
        writer.Chunk("info", &info, 16);
        int64_t placeholder = writer.BeginChunk("data");
        WriteSegmentRecords(*file_, pattern.GetData(), pattern.GetSize());
        writer.EndChunk(placeholder);
    }
    writer.Finish();
}
