#include "soundfile/voice_records.h"

#include "core/exceptions.h"
#include "model/inventory.h"
#include "soundfile/byte_order.h"
#include "soundfile/sound_messages.h"

void CheckPatternLength(int64_t samples) {
    if (samples > kMaxPatternSamples)
        ThrowExit(kExitProcessing, kMsgPatternTooLong, static_cast<unsigned>(samples));
}

int32_t CheckSegments(const SSplineSegments& segments) {
    int64_t end = 0;
    for (const SSplineSegment& s : segments) {
        if (s.start != end) ThrowExit(kExitProcessing, kMsgBadSegments);
        end += s.length;
        CheckPatternLength(end);
    }
    return static_cast<int32_t>(end);
}

std::vector<int16_t> RenderPattern(const SAlofonPatt& pattern) {
    std::vector<int16_t> samples;
    if (pattern.end <= pattern.first || pattern.IsEmpty()) {
        samples.resize(static_cast<size_t>(std::max(pattern.end - pattern.first, 0)));
        return samples;
    }
    samples.reserve(static_cast<size_t>(pattern.end - pattern.first));
    SSplineReader reader(pattern);
    for (int32_t i = pattern.first; i < pattern.end; ++i)
        samples.push_back(reader.At(SFP::FromInt(i)));
    return samples;
}

bool IsSavedId(const SAlfPattArr& store, int id) {
    return id >= 1 && id < kInventorySize && store.PatternAt(id) && !InventoryName(id).empty();
}

void ReadSegmentRecords(SBinaryFile& file, SSplineSegments& out) {
    unsigned char countBytes[4];
    if (file.Read(countBytes, 4) != 4) ThrowExit(kExitProcessing, kMsgReadError);
    int64_t bytes = int64_t{LoadLE32(countBytes)} * int64_t{sizeof(SSplineSegment)};
    if (bytes > file.GetLength() - file.Tell()) ThrowExit(kExitProcessing, kMsgReadError);
    out.SetSize(static_cast<int>(bytes / int64_t{sizeof(SSplineSegment)}));
    if (file.Read(out.GetData(), bytes) != bytes) ThrowExit(kExitProcessing, kMsgReadError);
}

void WriteSegmentRecords(SBinaryFile& file, const SSplineSegment* segments, int count) {
    unsigned char countBytes[4];
    StoreLE32(countBytes, static_cast<uint32_t>(count));
    file.Write(countBytes, 4);
    file.Write(segments, int64_t{count} * int64_t{sizeof(SSplineSegment)});
}
