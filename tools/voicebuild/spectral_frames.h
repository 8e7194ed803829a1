// Short-time log-mel spectra of 16-bit PCM, and the distance between two of
// them: the yardstick the cut search uses for "steady" and "alike".
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace voicebuild {

using MelFrame = std::vector<double>;  // log band energies, in dB

class SpectralAnalyser {
public:
    // Frames of about 11.6 ms (256 samples at 22050 Hz), Hamming-windowed,
    // 24 mel bands from 100 Hz to 90 % of the Nyquist frequency.
    explicit SpectralAnalyser(int rate);

    size_t FrameSize() const { return size_; }
    // The frame starting at `at`; samples past the end count as zeros.
    MelFrame Frame(const std::vector<int16_t>& samples, size_t at) const;
    // Frames starting at from, from + hop, ... while the frame fits before `to`
    // (at least one frame when from < to).
    std::vector<MelFrame> Frames(const std::vector<int16_t>& samples, size_t from, size_t to,
                                 size_t hop) const;

private:
    size_t size_;
    std::vector<double> window_;
    std::vector<std::vector<std::pair<size_t, double>>> bands_;  // per band: (bin, weight)
    std::vector<double> cos_, sin_;                              // DFT tables, size_ x bins
};

// Root-mean-square difference of two frames, in dB; frames of unequal size
// compare over the shorter.
double SpectralDistance(const MelFrame& a, const MelFrame& b);

// The mean of several frames, band by band.
MelFrame MeanFrame(const std::vector<MelFrame>& frames, size_t from, size_t to);

}  // namespace voicebuild
