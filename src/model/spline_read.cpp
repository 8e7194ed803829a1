#include "model/spline_read.h"

#include <cstring>

namespace {

constexpr int32_t kFractionMask = SFP::kOne - 1;

// Whether x is a whole position inside the table.
bool Whole(int32_t x, int samples) {
    return (x & kFractionMask) == 0 && x >= 0 && (x >> 16) < samples;
}

// Positions from positions[i] on that step by exactly one whole sample
// inside the table: their samples are the decoded ones, copied in one go.
int WholeStepRun(const SFP* positions, int i, int count, int samples) {
    const int32_t first = positions[i].Raw();
    int longest = count - i;
    if (samples - (first >> 16) < longest) longest = samples - (first >> 16);
    int run = 1;
    // first + run x 65536 stays below samples x 65536 <= 2^31: no overflow.
    while (run < longest && positions[i + run].Raw() == first + run * SFP::kOne) ++run;
    return run;
}

void ReadPortable(const SSplineTable& table, SSplineReader& scalar, const SFP* positions, int count,
                  int16_t* out) {
    // Shorter whole-step runs (a whole position now and then at other
    // rates) are not worth leaving the scalar loop for.
    constexpr int kWorthCopying = 16;
    const int samples = table.Samples();
    int scalarFrom = 0;
    auto readScalar = [&](int end) {
        if (end <= scalarFrom) return;
        scalar.StartAt(positions[scalarFrom]);
        scalar.Read(positions + scalarFrom, end - scalarFrom, out + scalarFrom);
    };
    // Timing steps evenly through a pattern: positions that do not start
    // with a whole step will hardly hold a long run of them.
    const bool wholeSteps =
        count < 2 || int64_t{positions[1].Raw()} - positions[0].Raw() == SFP::kOne;
    int i = wholeSteps ? 0 : count;
    while (i < count) {
        if (!Whole(positions[i].Raw(), samples)) {
            ++i;
            continue;
        }
        int run = WholeStepRun(positions, i, count, samples);
        if (run >= kWorthCopying || run == count) {
            readScalar(i);
            std::memcpy(out + i, table.Decoded() + (positions[i].Raw() >> 16),
                        sizeof(int16_t) * run);
            scalarFrom = i + run;
        }
        i += run;
    }
    readScalar(count);
}

bool ProcessorHasAvx2() {
#if defined(__x86_64__) && !defined(_WIN32) && defined(__GNUC__)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

}  // namespace

std::string_view SplinePathName(SSplinePath path) {
    switch (path) {
        case SSplinePath::kScalar:
            return "scalar";
        case SSplinePath::kPortable:
            return "portable";
        case SSplinePath::kSse2:
            return "sse2";
        case SSplinePath::kAvx2:
            return "avx2";
    }
    return "unknown";
}

bool SplinePathAvailable(SSplinePath path) {
    switch (path) {
        case SSplinePath::kScalar:
        case SSplinePath::kPortable:
            return true;
            // SSE2 is part of every x86-64 processor; 32-bit x86 builds make no
            // assumption about it.
#if defined(__x86_64__) || defined(_M_X64)
        case SSplinePath::kSse2:
            return true;
#else
        case SSplinePath::kSse2:
            return false;
#endif
        case SSplinePath::kAvx2: {
            static const bool has = ProcessorHasAvx2();
            return has;
        }
    }
    return false;
}

SSplinePath FastestSplinePath() {
    static const SSplinePath fastest = SplinePathAvailable(SSplinePath::kAvx2) ? SSplinePath::kAvx2
                                       : SplinePathAvailable(SSplinePath::kSse2)
                                           ? SSplinePath::kSse2
                                           : SSplinePath::kPortable;
    return fastest;
}

void ReadSpline(SSplinePath path, const SSplineSegments& segments, const SSplineTable* table,
                const SFP* positions, int count, int16_t* out) {
    SSplineReader scalar(segments);
    if (count <= 0) return;
    if (path == SSplinePath::kScalar || table == nullptr || !table->Describes(segments)) {
        scalar.Read(positions, count, out);
        return;
    }
    if (!SplinePathAvailable(path)) path = SSplinePath::kPortable;
    int done = 0;
    if (path == SSplinePath::kAvx2) done = ReadSplineAvx2(*table, scalar, positions, count, out);
    if (path == SSplinePath::kSse2) done = ReadSplineSse2(*table, scalar, positions, count, out);
    ReadPortable(*table, scalar, positions + done, count - done, out + done);
}
