#include "soundfile/salu_file_format.h"

#include "core/exceptions.h"
#include "model/pattern_store.h"
#include "model/wave.h"
#include "soundfile/next_file_format.h"
#include "soundfile/riff_writer.h"
#include "soundfile/sound_messages.h"
#include "soundfile/steps_file_format.h"
#include "soundfile/voice_records.h"

void SAluFileFormat::LoadPatterns(SAlfPattArr& store) {
    SPcmFormat format;
    SAlofonHeader header{};
    SWave wave;
    WalkChunks(0, [&](const SChunk& chunk) {
        if (chunk.Is("fmt ")) {
            ReadRecordChunk(chunk, &format, kMsgFmtLength);
        } else if (chunk.Is("info")) {
            if (chunk.size != 12) ThrowExit(kExitProcessing, kMsgInfoLength);
            ReadExact(&header, 12);
        } else if (chunk.Is("data")) {
            SNeXTFileFormat(file_).ReadSound(wave, chunk.PayloadStart());
            CheckPatternLength(wave.SampleCount());
        } else if (chunk.Is("stps")) {
            auto* pattern = new SAlofonPatt();
            store.Store(header.id, pattern);
            SStepsFileFormat(file_).ReadPattern(*pattern, chunk.PayloadStart());
            if (CheckSegments(*pattern) > wave.SampleCount())
                ThrowExit(kExitProcessing, kMsgStepsBeyondSound);
            wave.format = format;
            pattern->CompleteFromSteps(header, wave.GetData(), wave.GetSize(), wave.format);
        }
        return true;
    });
}

void SAluFileFormat::ReadPattern(SAlofonPatt& pattern, int64_t offset) {
    pattern.RemoveAll();
    WalkChunks(offset, [](const SChunk&) { return true; });
}

void SAluFileFormat::WriteDatabase(const SAlfPattArr& store) {
    SRiffWriter writer(*file_, "SALU");
    SPcmFormat format = store.VoiceFormat();
    writer.Chunk("fmt ", &format, 16);
    writer.Chunk("VER ", &kAluVersion, 16);
    const SSndFormat sndFormat{kFormatNeXT, kCompressionULaw8, kSampleS16,
                               static_cast<int32_t>(format.samplesPerSec)};
    for (int id = 1; id < store.GetSize(); ++id) {
        if (!IsSavedId(store, id)) continue;
        const SAlofonPatt& pattern = *store.PatternAt(id);
        SAlofonHeader header = pattern.Header();
        writer.Chunk("info", &header, 12);

        int64_t placeholder = writer.BeginChunk("data");
        std::vector<int16_t> samples = RenderPattern(pattern);
        SWave wave;
        wave.SetFromSamples(samples.data(), static_cast<int>(samples.size()), format);
        SNeXTFileFormat(file_).WriteSound(wave, &sndFormat);
        writer.EndChunk(placeholder);

        placeholder = writer.BeginChunk("stps");
        SStepsFileFormat(file_).WritePattern(&pattern);
        writer.EndChunk(placeholder);
    }
    writer.Finish();
}
