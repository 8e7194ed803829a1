#include "model/pattern.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/spline_fit.h"

namespace {

// Little-endian int16 samples from a byte buffer of any alignment.
std::vector<int16_t> ReadSamples(const void* bytes, int count) {
    std::vector<int16_t> samples(std::max(count, 0));
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (int i = 0; i < count; ++i)
        samples[i] = static_cast<int16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return samples;
}

}  // namespace

void SAlfSpline::FitSamples(const int16_t* y, int n, const SPcmFormat& sampleFormat) {
    if (!SSplinc::Fit(y, n, closed, *this)) return;
    format = sampleFormat;
    first = 0;
    end = n;
}

void SAlfSpline::FitKnots(const int16_t* w, int n, const SPcmFormat& sampleFormat) {
    format = sampleFormat;
    first = 0;
    end = std::max(n, 0);
    SSplinx::Fit(w, n, *this);
}

SAlofonPatt::SAlofonPatt(const SAlofonHeader& header, const void* bytes, int byteCount,
                         const SPcmFormat& sampleFormat) {
    SetHeader(header);
    if (!bytes || byteCount <= 10) return;
    int n = byteCount / 2;
    std::vector<int16_t> samples = ReadSamples(bytes, n);
    FitSamples(samples.data(), n, sampleFormat);
}

SAlofonPatt::SAlofonPatt(const SAlofonHeader& header, const SAlofonPatt& source)
    : SAlfSpline(source) {
    maxe = source.maxe;
    SetHeader(header);
}

void SAlofonPatt::CompleteFromSteps(const SAlofonHeader& header, const void* waveBytes,
                                    int waveByteCount, const SPcmFormat& waveFormat) {
    SetHeader(header);
    if (!waveBytes) waveByteCount = 0;
    int bytesPerSample = waveFormat.bitsPerSample >= 16 ? waveFormat.bitsPerSample / 8 : 1;
    int n = std::max(waveByteCount, 0) / bytesPerSample;
    // A format claiming narrower samples than the buffer holds must not make
    // us read past it.
    n = std::min(n, std::max(waveByteCount, 0) / 2);
    std::vector<int16_t> samples = ReadSamples(waveBytes, n);
    FitKnots(samples.data(), n, waveFormat);
}

void SAlofonPatt::SetHeader(const SAlofonHeader& header) {
    SetName(header.Name());
    id = header.id;
    features = header.features;
}

SAlofonHeader SAlofonPatt::Header() const {
    SAlofonHeader header{};
    std::memcpy(header.name, name, sizeof header.name);
    header.id = static_cast<uint16_t>(id);
    header.features = features;
    return header;
}

void SAlofonPatt::SetName(std::string_view newName) {
    std::memset(name, 0, sizeof name);
    std::memcpy(name, newName.data(), std::min<size_t>(newName.size(), 8));
}

std::string_view SAlofonPatt::Name() const {
    return std::string_view(name, strnlen(name, sizeof name));
}
