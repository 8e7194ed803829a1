// Reading a pattern's curve at a run of positions, by one of several paths
// that give bit-identical samples: the scalar 64-bit reader, a portable one
// that copies whole-step runs from the decoded samples, and x86 vector
// readers (SSE2, and AVX2 where the processor has it) that evaluate 4 or 8
// positions at once in 32-bit lanes wherever that is exact.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/spline.h"
#include "model/spline_table.h"

enum class SSplinePath {
    kScalar,    // SSplineReader alone; needs no table
    kPortable,  // whole-step runs copied from the table, the rest scalar
    kSse2,      // kPortable plus 4 positions per step in vector registers
    kAvx2,      // the same with 8 positions per step
};

std::string_view SplinePathName(SSplinePath path);

// Whether this build and processor can take `path`.
bool SplinePathAvailable(SSplinePath path);

// The fastest available path (decided once per process).
SSplinePath FastestSplinePath();

// out[i] := the curve of `segments` at positions[i], exactly as
// SSplineReader::Read gives it. `table` may be null or stale; then, and for
// kScalar, the scalar reader does all the work. An unavailable path falls
// back to the portable one.
void ReadSpline(SSplinePath path, const SSplineSegments& segments, const SSplineTable* table,
                const SFP* positions, int count, int16_t* out);

// The vector readers: read as ReadSpline does, with a table that describes
// the segments. Each returns how many leading positions it read; the caller
// reads the rest.
int ReadSplineSse2(const SSplineTable& table, SSplineReader& scalar, const SFP* positions,
                   int count, int16_t* out);
int ReadSplineAvx2(const SSplineTable& table, SSplineReader& scalar, const SFP* positions,
                   int count, int16_t* out);
