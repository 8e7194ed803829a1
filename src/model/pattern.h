// One allophone's recording: a spline curve over its samples plus the
// header that identifies it in the voice.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/inventory.h"
#include "model/pcm_format.h"
#include "model/pulse_marks.h"
#include "model/spline.h"
#include "model/spline_table.h"

// The curve of a recording and the sample range it covers.
class SAlfSpline : public SSplineSegments {
public:
    // Uniform fit over samples y[0..n-1] (the `closed` option applies).
    // Fewer than 8 samples leave no segments and format/first/end untouched.
    void FitSamples(const int16_t* y, int n, const SPcmFormat& sampleFormat);
    // Knot fit over wave samples w[0..n-1]; the segments already hold their
    // start and length. Sets format, first = 0 and end = n.
    void FitKnots(const int16_t* w, int n, const SPcmFormat& sampleFormat);

    // Samples from first to end.
    int32_t SampleLength() const { return end - first; }

    SPcmFormat format{};  // sample format of the recording
    int32_t first = 0;    // first sample position
    int32_t end = 0;      // one past the last sample position
    bool closed = true;   // the uniform fit joins the last sample back to the first
};

class SAlofonPatt : public SAlfSpline {
public:
    static constexpr int kNameSize = 10;  // zero-filled; at most 8 characters stored

    // Empty pattern: no segments, id 112, no name.
    SAlofonPatt() = default;
    // From samples: `bytes` holds byteCount bytes of little-endian int16
    // samples. Ten bytes or fewer give no segments; otherwise the uniform fit
    // over byteCount / 2 samples.
    SAlofonPatt(const SAlofonHeader& header, const void* bytes, int byteCount,
                const SPcmFormat& sampleFormat);
    // Copy of source's curve (segments, format, first, end, closed, maxe)
    // under another header.
    SAlofonPatt(const SAlofonHeader& header, const SAlofonPatt& source);

    // Completes a pattern whose segments hold the knot layout of a step
    // chunk: the header, then the knot fit over the wave. `waveBytes` holds
    // waveByteCount bytes of little-endian int16 samples; the sample count is
    // the byte count divided by bitsPerSample / 8 when that is 16 or more,
    // else by 1 (capped to the int16 samples actually present).
    void CompleteFromSteps(const SAlofonHeader& header, const void* waveBytes, int waveByteCount,
                           const SPcmFormat& waveFormat);

    // Name (truncated to 8 characters), id and features from a header.
    void SetHeader(const SAlofonHeader& header);
    SAlofonHeader Header() const;
    void SetName(std::string_view newName);
    std::string_view Name() const;

    bool Has(uint16_t featureBits) const { return (features & featureBits) != 0; }

    uint32_t maxe = 0;      // largest fitting error, carried by the voice files unchanged
    uint16_t features = 0;  // feature bits
    int32_t id = kAlfNull;  // allophone id
    char name[kNameSize] = {};
    int32_t pauseLength = 0;  // pause patterns: length in samples

    // The pitch period found at each edge where joins are smoothed ([0] the
    // start, [1] the end), kept once per voice by the synthesis so that
    // speaking does not search for it at every join.
    struct SEdgePeriod {
        bool found = false;
        int samples = 0;        // whole samples; 0: the edge shows no period
        double exact = 0.0;     // between samples
        double likeness = 0.0;  // normalised correlation at the whole lag
    };
    SEdgePeriod joinEdges[2];
    // Where each pitch period starts, found on first use (keeping formants).
    SPulseMarks pulseMarks;

    // The curve laid out for the fast readers; empty until PrepareReading,
    // and ignored once the segments change after it.
    SSplineTable readTable;
    void PrepareReading() { readTable = SSplineTable(*this); }
};
