#include "sapi/audio/wave_header.h"

#include <algorithm>
#include <cstring>

#include "platform/file_commit.h"

namespace {

constexpr std::uint32_t kUnknownLength = 0xFFFFFFFF;
// "ds64" payload: RIFF size, data size, sample count (64 bits each) and an
// empty table of other chunks' sizes.
constexpr std::uint32_t kDs64PayloadBytes = 28;

void PutLe16(std::vector<std::uint8_t>& h, std::uint16_t v) {
    h.push_back(static_cast<std::uint8_t>(v));
    h.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutLe32(std::vector<std::uint8_t>& h, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) h.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutLe64(std::vector<std::uint8_t>& h, std::uint64_t v) {
    PutLe32(h, static_cast<std::uint32_t>(v));
    PutLe32(h, static_cast<std::uint32_t>(v >> 32));
}

void PutTag(std::vector<std::uint8_t>& h, const char* tag) {
    h.insert(h.end(), tag, tag + 4);
}

void PutFormat(std::vector<std::uint8_t>& h, const WAVEFORMATEX& f) {
    PutTag(h, "fmt ");
    PutLe32(h, 16);
    PutLe16(h, f.wFormatTag);
    PutLe16(h, f.nChannels);
    PutLe32(h, f.nSamplesPerSec);
    PutLe32(h, f.nAvgBytesPerSec);
    PutLe16(h, f.nBlockAlign);
    PutLe16(h, f.wBitsPerSample);
}

}  // namespace

std::optional<SWaveHeaderSizes> WaveHeaderSizes(QWORD dataBytes, bool unknownLength) {
    if (unknownLength) return SWaveHeaderSizes{kUnknownLength, kUnknownLength};
    if (dataBytes > kMaxWaveDataBytes) return std::nullopt;
    auto data = static_cast<std::uint32_t>(dataBytes);
    return SWaveHeaderSizes{data + static_cast<std::uint32_t>(kWaveHeaderBytes - 8), data};
}

std::vector<std::uint8_t> WaveHeaderBytes(const WAVEFORMATEX& format, QWORD dataBytes,
                                          bool unknownLength) {
    std::vector<std::uint8_t> h;
    h.reserve(kRf64HeaderBytes);
    std::optional<SWaveHeaderSizes> sizes = WaveHeaderSizes(dataBytes, unknownLength);
    if (sizes) {
        PutTag(h, "RIFF");
        PutLe32(h, sizes->riff);
        PutTag(h, "WAVE");
        PutFormat(h, format);
        PutTag(h, "data");
        PutLe32(h, sizes->data);
        return h;
    }
    PutTag(h, "RF64");
    PutLe32(h, kUnknownLength);
    PutTag(h, "WAVE");
    PutTag(h, "ds64");
    PutLe32(h, kDs64PayloadBytes);
    PutLe64(h, dataBytes + (kRf64HeaderBytes - 8));
    PutLe64(h, dataBytes);
    PutLe64(h, format.nBlockAlign != 0 ? dataBytes / format.nBlockAlign : 0);
    PutLe32(h, 0);
    PutFormat(h, format);
    PutTag(h, "data");
    PutLe32(h, kUnknownLength);
    return h;
}

bool MoveFileBytesForward(std::FILE* stream, std::uint64_t from, std::uint64_t length,
                          std::uint64_t by, std::size_t blockBytes) {
    std::vector<char> block(std::max<std::size_t>(blockBytes, 1));
    // Last block first, so nothing is overwritten before it has moved.
    for (std::uint64_t rest = length; rest > 0;) {
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(rest, block.size()));
        rest -= n;
        if (!SeekTo(stream, from + rest) || std::fread(block.data(), 1, n, stream) != n)
            return false;
        if (!SeekTo(stream, from + rest + by) || std::fwrite(block.data(), 1, n, stream) != n)
            return false;
    }
    return true;
}

bool CompleteWaveHeader(std::FILE* stream, const WAVEFORMATEX& format, QWORD dataBytes) {
    std::vector<std::uint8_t> header = WaveHeaderBytes(format, dataBytes, false);
    if (std::fflush(stream) != 0) return false;
    if (header.size() > kWaveHeaderBytes &&
        !MoveFileBytesForward(stream, kWaveHeaderBytes, dataBytes, header.size() - kWaveHeaderBytes,
                              1 << 20))
        return false;
    return SeekTo(stream, 0) &&
           std::fwrite(header.data(), 1, header.size(), stream) == header.size() &&
           std::fflush(stream) == 0;
}
