#include "soundfile/snd_file_format.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/exceptions.h"
#include "model/wave.h"
#include "soundfile/byte_order.h"
#include "soundfile/sound_messages.h"

namespace {

// A wave buffer is indexed by int; larger sounds are cut at this many bytes.
constexpr int64_t kMaxWaveBytes = 0x7FFFFFF0;

}  // namespace

void SSndFileFormat::ReadExact(void* buffer, int64_t count) {
    if (count < 0 || file_->Read(buffer, count) != count) ThrowExit(kExitProcessing, kMsgReadError);
}

void SSndFileFormat::RequireBytes(int64_t count) {
    if (count < 0 || count > file_->GetLength() - file_->Tell())
        ThrowExit(kExitProcessing, kMsgReadError);
}

void SSndFileFormat::WriteLE32(uint32_t value) {
    unsigned char bytes[4];
    StoreLE32(bytes, value);
    file_->Write(bytes, 4);
}

void SSndFileFormat::WriteLE16(uint16_t value) {
    unsigned char bytes[2];
    StoreLE16(bytes, value);
    file_->Write(bytes, 2);
}

void SSndFileFormat::WriteSamples(const void* samples, int32_t byteCount) {
    if (codec_ && converter_) ThrowExit(kExitProcessing, kMsgCodecAndConvert);
    int32_t count = byteCount / 2;
    if (codec_) {
        std::vector<uint8_t> out(static_cast<size_t>(codec_->OutputSize(count)));
        codec_->Encode(static_cast<const int16_t*>(samples), count, out.data());
        file_->Write(out.data(), static_cast<int64_t>(out.size()));
    } else if (converter_) {
        std::vector<uint8_t> out(static_cast<size_t>(count) *
                                 BytesPerSample(converter_->DestinationType()));
        converter_->Convert(samples, count, out.data());
        file_->Write(out.data(), static_cast<int64_t>(out.size()));
    } else {
        file_->Write(samples, byteCount);
    }
}

int64_t WholeSampleBytes(int64_t bytes) {
    return bytes - bytes % 2;
}

bool SChunk::Is(const char (&code)[5]) const {
    return IsFourCC(id, code);
}

bool SRiffFileFormat::ReadChunk(SChunk& chunk) {
    chunk = SChunk{};
    chunk.start = Tell();
    unsigned char header[8];
    if (file_->Read(header, 8) != 8) return false;
    std::memcpy(chunk.id, header, 4);
    chunk.size = LoadLE32(header + 4);
    if (chunk.start == 0) {
        rf64_ = chunk.Is("RF64");
        rf64DataBytes_ = 0;
        if (rf64_) std::memcpy(chunk.id, "RIFF", 4);
    }
    if (chunk.Is("RIFF")) return file_->Read(chunk.formType, 4) == 4;
    if (!rf64_) return true;
    unsigned char sizes[16];
    if (chunk.Is("ds64") && chunk.size >= 16 && file_->Read(sizes, 16) == 16) {
        rf64DataBytes_ = LoadLE32(sizes + 8) | uint64_t{LoadLE32(sizes + 12)} << 32;
        Seek(chunk.PayloadStart());
    }
    if (chunk.Is("data") && chunk.size == 0xFFFFFFFF)
        chunk.size = static_cast<uint32_t>(std::min<uint64_t>(rf64DataBytes_, 0xFFFFFFFF));
    return true;
}

void SRiffFileFormat::SkipChunk(const SChunk& chunk) {
    Seek(chunk.End());
}

bool SRiffFileFormat::IsForm(const char (&type)[5]) {
    Seek(0);
    SChunk chunk;
    return ReadChunk(chunk) && chunk.Is("RIFF") && IsFourCC(chunk.formType, type);
}

void SRiffFileFormat::ReadRecordChunk(const SChunk& chunk, void* out, const char* lengthMessage) {
    if (chunk.size != 16) ThrowExit(kExitProcessing, "%s", lengthMessage);
    ReadExact(out, 16);
}

void SRiffFileFormat::ReadVersion(SVersion& version) {
    bool found = false;
    WalkChunks(0, [&](const SChunk& chunk) {
        if (!chunk.Is("VER ")) return true;
        ReadRecordChunk(chunk, &version, kMsgVerLength);
        found = true;
        return false;
    });
    if (!found) ThrowExit(kExitProcessing, kMsgNoVer);
}

void SRiffFileFormat::ReadFmt(SPcmFormat& out, int64_t offset) {
    bool found = false;
    WalkChunks(offset >= 0 ? offset : Tell(), [&](const SChunk& chunk) {
        if (!chunk.Is("fmt ")) return true;
        ReadRecordChunk(chunk, &out, kMsgFmtLength);
        found = true;
        return false;
    });
    if (!found) ThrowExit(kExitProcessing, kMsgNoFmt);
}

void SRiffFileFormat::ReadSound(SWave& wave, int64_t offset) {
    ReadFmt(wave.format, offset);
    int bits = wave.format.bitsPerSample;
    if (bits != 8 && bits != 16) ThrowExit(kExitProcessing, kMsgBitsPerSample);
    WalkChunks(offset, [&](const SChunk& chunk) {
        if (!chunk.Is("data")) return true;
        // A truncated file yields the samples it holds, never more than that.
        int64_t available = std::max<int64_t>(0, FileLength() - chunk.PayloadStart());
        int64_t bytes = std::min<int64_t>({chunk.size, available, kMaxWaveBytes});
        if (bits == 8) {
            std::vector<unsigned char> raw(static_cast<size_t>(bytes));
            bytes = file_->Read(raw.data(), bytes);
            wave.SetFrom8Bit(raw.data(), static_cast<int>(bytes));
            // The buffer now holds 16-bit samples; say so, so that a sample
            // count taken from the record matches what is there.
            wave.format.bitsPerSample = 16;
            wave.format.blockAlign = static_cast<uint16_t>(2 * wave.format.channels);
            wave.format.avgBytesPerSec = wave.format.blockAlign * wave.format.samplesPerSec;
        } else {
            // Whole samples only: half a sample would shift every byte after it.
            bytes = WholeSampleBytes(bytes);
            wave.Allocate(static_cast<int>(bytes));
            wave.SetSize(static_cast<int>(WholeSampleBytes(file_->Read(wave.GetData(), bytes))));
        }
        return false;
    });
}

void ReadSoundNumber(SSndFileFormat& format, SWave& wave, int n) {
    int64_t offset = format.SoundOffset(n);
    if (offset < 0) throw SException(kMsgNoSound, static_cast<unsigned>(n + 1));
    format.ReadSound(wave, offset);
}
