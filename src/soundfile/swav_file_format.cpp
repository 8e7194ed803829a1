#include "soundfile/swav_file_format.h"

#include <algorithm>

#include "core/exceptions.h"
#include "model/pattern.h"
#include "soundfile/byte_order.h"
#include "soundfile/riff_writer.h"
#include "soundfile/sound_messages.h"
#include "soundfile/voice_records.h"

void SSplWavFileFormat::ReadPattern(SAlofonPatt& pattern, int64_t offset) {
    WalkChunks(offset, [&](const SChunk& chunk) {
        if (chunk.Is("fmt ")) {
            ReadRecordChunk(chunk, &pattern.format, kMsgFmtLength);
        } else if (chunk.Is("VER ")) {
            SVersion version;
            ReadRecordChunk(chunk, &version, kMsgVerLength);
            if (!(version == kSplAlsVersion)) ThrowExit(kExitProcessing, kMsgPatternVersion);
        } else if (chunk.Is("maxe")) {
            if (chunk.size != 4) ThrowExit(kExitProcessing, kMsgMaxeLength);
            unsigned char value[4];
            ReadExact(value, 4);
            pattern.maxe = LoadLE32(value);
        } else if (chunk.Is("data")) {
            ReadSegmentRecords(*file_, pattern);
            pattern.first = 0;
            pattern.end = 0;
            if (pattern.IsEmpty()) return true;
            int32_t closingStart = CheckSegments(pattern);
            CheckPatternLength(closingStart + 1);
            pattern.Add(SSplineSegment{closingStart, 1, 0, {}, {}, {}});
            pattern.end = closingStart + 1;
        }
        return true;
    });
}

void SSplWavFileFormat::WritePattern(const SAlofonPatt* pattern) {
    if (!pattern) return;
    SRiffWriter writer(*file_, "SWAV");
    writer.Chunk("fmt ", &pattern->format, 16);
    writer.Chunk("VER ", &kSplAlsVersion, 16);
    unsigned char maxe[4];
    StoreLE32(maxe, pattern->maxe);
    writer.Chunk("maxe", maxe, 4);
    int64_t placeholder = writer.BeginChunk("data");
    WriteSegmentRecords(*file_, pattern->GetData(), std::max(pattern->GetSize() - 1, 0));
    writer.EndChunk(placeholder);
    writer.Finish();
}
