#include "synthesis/render.h"

#include <cmath>
#include <cstring>

#include "model/alofon.h"
#include "model/fixed_point.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/word.h"

namespace {

constexpr uint32_t kUnchangedVolume = 60000;

SSounding SoundingOf(const SAlofon& alofon, const SVoicePair& voices) {
    const SAlfPattArr* store = alofon.useFast ? voices.halfRate : voices.normal;
    return store ? store->Sounding(alofon.id, alofon.contextSound) : SSounding();
}

// Writes the allophone's samples at `out` (room for its sample count).
void RenderInto(const SAlofon& alofon, int16_t* out, const SVoicePair& voices) {
    int n = alofon.SampleCount();
    if (n <= 0) return;
    const SSounding sounding = SoundingOf(alofon, voices);
    int positions = alofon.positions.GetSize();
    if (sounding.Silent() || positions == 0) {
        std::memset(out, 0, sizeof(int16_t) * n);
        return;
    }
    // An explicit length beyond the prepared positions is padded with silence.
    int spoken = n < positions ? n : positions;
    sounding.Read(alofon.positions.GetData(), spoken, out);
    if (spoken < n) std::memset(out + spoken, 0, sizeof(int16_t) * (n - spoken));
}

}  // namespace

void RenderAllophone(const SAlofon& alofon, SFastArray<int16_t>& samples,
                     const SVoicePair& voices) {
    int n = alofon.SampleCount();
    samples.SetSize(n > 0 ? n : 0);
    if (n > 0) RenderInto(alofon, samples.GetData(), voices);
}

int RenderWord(const SWord& word, char* destination, const SVoicePair& voices) {
    int written = 0;
    for (int i = 0; i < word.GetSize(); ++i) {
        const SAlofon& alofon = *word[i];
        if (alofon.id > kAlfLastSounding) continue;
        int n = alofon.SampleCount();
        if (n <= 0) continue;
        // Samples are built in host order; the output wave is little-endian,
        // which is the host order of every platform we build for.
        RenderInto(alofon, reinterpret_cast<int16_t*>(destination + written), voices);
        written += 2 * n;
    }
    return written;
}

int32_t VolumeGain(uint32_t volume) {
    uint32_t v = volume & 0xFFFF;
    if (v >= kUnchangedVolume) return SFP::kOne;
    int dB = (static_cast<int>(v >> 8) - 255) * 30 / 255;
    return SFP::FromReal(std::pow(10.0, dB * 0.05)).Raw();
}

void ApplyVolume(int16_t* samples, int byteCount, uint32_t volume) {
    int32_t gain = VolumeGain(volume);
    if (gain == SFP::kOne || byteCount <= 0) return;
    // Whole samples only: an odd trailing byte would be half a sample.
    int count = byteCount / 2;
    for (int i = 0; i < count; ++i) {
        int64_t scaled = static_cast<int64_t>(gain) * (static_cast<int64_t>(samples[i]) * 65536);
        samples[i] = static_cast<int16_t>(static_cast<int32_t>(scaled >> 16) >> 16);
    }
}
