#include "soundfile/steps_file_format.h"

#include <vector>

#include "core/exceptions.h"
#include "model/pattern.h"
#include "soundfile/byte_order.h"
#include "soundfile/sound_messages.h"
#include "soundfile/voice_records.h"

namespace {

// Step bytes read a block at a time; running out of them is a short read.
class SStepBytes {
public:
    explicit SStepBytes(SBinaryFile& file) : file_(file) {}

    uint8_t Next() {
        if (next_ == buffer_.size()) {
            buffer_.resize(4096);
            buffer_.resize(static_cast<size_t>(file_.Read(buffer_.data(), 4096)));
            next_ = 0;
            if (buffer_.empty()) ThrowExit(kExitProcessing, kMsgReadError);
        }
        return buffer_[next_++];
    }

private:
    SBinaryFile& file_;
    std::vector<uint8_t> buffer_;
    size_t next_ = 0;
};

}  // namespace

void SStepsFileFormat::ReadPattern(SAlofonPatt& pattern, int64_t offset) {
    Seek(offset);
    pattern.RemoveAll();
    SChunk chunk;
    ReadChunk(chunk);
    if (!chunk.Is("step")) ThrowExit(kExitProcessing, kMsgNoStepChunk);
    unsigned char values[8];
    ReadExact(values, 8);
    pattern.maxe = LoadLE32(values);
    uint32_t count = LoadLE32(values + 4);
    // Every step takes at least one byte.
    RequireBytes(count);
    pattern.SetSize(static_cast<int>(count));
    SStepBytes bytes(*file_);
    int64_t start = 0;
    for (SSplineSegment& segment : static_cast<SSplineSegments&>(pattern)) {
        uint32_t length = 0;
        uint8_t b;
        do {
            b = bytes.Next();
            length += b;
        } while (b == 255);
        segment = SSplineSegment{
            static_cast<int32_t>(start), static_cast<uint16_t>(length), 0, {}, {}, {}};
        start += static_cast<uint16_t>(length);
        CheckPatternLength(start);
    }
}

void SStepsFileFormat::WritePattern(const SAlofonPatt* pattern) {
    if (!pattern) return;
    int64_t begin = Tell();
    WriteBytes("step____....----", 16);
    std::vector<uint8_t> steps;
    for (const SSplineSegment& segment : static_cast<const SSplineSegments&>(*pattern)) {
        int length = segment.length;
        if (length > kWrittenStep) {
            int full = (length - 1) / kWrittenStep;
            steps.insert(steps.end(), static_cast<size_t>(full),
                         static_cast<uint8_t>(kWrittenStep));
            length -= kWrittenStep * full;
        }
        steps.push_back(static_cast<uint8_t>(length));
    }
    WriteBytes(steps.data(), static_cast<int64_t>(steps.size()));
    int64_t end = Tell();
    Seek(begin + 4);
    WriteLE32(static_cast<uint32_t>(end - begin - 8));
    WriteLE32(pattern->maxe);
    WriteLE32(static_cast<uint32_t>(steps.size()));
    Seek(end);
}
