#include "model/spline_fit.h"

#include <algorithm>
#include <vector>

namespace {

SSplineSegment MakeSegment(int start, int length, int16_t c0, double c1, double c2, double c3) {
    SSplineSegment s{};
    s.start = start;
    s.length = static_cast<uint16_t>(length);
    s.c0 = c0;
    s.c1 = SFP::FromReal(c1);
    s.c2 = SFP::FromReal(c2);
    s.c3 = SFP::FromReal(c3);
    return s;
}

// Uniform system M[k-1] + 4 M[k] + M[k+1] = y[k-1] - 2 y[k] + y[k+1] for
// k = 1 .. m-1, with M[0] = M[m] = 0. `sample(k)` gives y[k] for k in 0..m.
template <typename Sample>
std::vector<double> SolveUniform(int m, Sample sample) {
    std::vector<double> M(m + 1, 0.0);
    if (m < 2) return M;
    SXYZVector rows(m);
    double cPrev = 0, dPrev = 0;
    for (int k = 1; k <= m - 1; ++k) {
        double rhs = double(sample(k - 1)) - 2.0 * sample(k) + sample(k + 1);
        double scale = 1.0 / (4.0 - cPrev);
        rows[k] = SXYZ{scale * (rhs - dPrev), scale, scale};
        cPrev = rows[k].y;
        dPrev = rows[k].x;
    }
    M[m - 1] = rows[m - 1].x;
    for (int k = m - 2; k >= 1; --k) M[k] = rows[k].x - rows[k].y * M[k + 1];
    return M;
}

}  // namespace

bool SSplinc::Fit(const int16_t* y, int n, bool closed, SSplineSegments& segments) {
    segments.RemoveAll();
    if (!y || n < kMinSamples) return false;
    int m = closed ? n : n - 1;
    auto sample = [y, n](int k) { return y[k == n ? 0 : k]; };
    std::vector<double> M = SolveUniform(m, sample);

    segments.SetSize(n);
    for (int i = 0; i + 1 < n; ++i) {
        double slope = double(y[i + 1]) - y[i];
        segments[i] =
            MakeSegment(i, 1, y[i], slope - (2 * M[i] + M[i + 1]), 3 * M[i], M[i + 1] - M[i]);
    }
    int last = n - 1;
    if (closed) {
        double slope = double(y[0]) - y[last];
        segments[last] = MakeSegment(last, 1, y[last], slope - (2 * M[last] + M[n]), 3 * M[last],
                                     M[n] - M[last]);
    } else {
        segments[last] = MakeSegment(last, 1, y[last], 0, 0, 0);
    }
    return true;
}

std::vector<double> SSplinx::SolveCurvatures(const std::vector<double>& y,
                                             const SSplineSegments& segments) {
    int count = segments.GetSize();
    std::vector<double> M(count, 0.0);
    if (count < 3) return M;
    SXYZVector rows(count);
    for (int i = 1; i <= count - 2; ++i) {
        double hPrev = segments[i - 1].length;
        double h = segments[i].length;
        double rhs = (y[i + 1] - y[i]) / h - (y[i] - y[i - 1]) / hPrev;
        double scale = 1.0 / (2.0 * (hPrev + h) - hPrev * rows[i - 1].y);
        rows[i] = SXYZ{(rhs - hPrev * rows[i - 1].x) * scale, h * scale, scale};
    }
    M[count - 2] = rows[count - 2].x;
    for (int i = count - 3; i >= 1; --i) M[i] = rows[i].x - rows[i].y * M[i + 1];
    return M;
}

void SSplinx::Fit(const int16_t* w, int n, SSplineSegments& segments) {
    int count = segments.GetSize();
    std::vector<double> y(count);
    for (int i = 0; i < count; ++i) {
        int start = segments[i].start;
        if (n <= 0 || !w)
            y[i] = 0;
        else
            y[i] = w[std::clamp(start, 0, n - 1)];
    }
    bool solvable =
        count >= 2 && std::none_of(segments.begin(), segments.end(),
                                   [](const SSplineSegment& s) { return s.length == 0; });
    std::vector<double> M =
        solvable ? SolveCurvatures(y, segments) : std::vector<double>(count, 0.0);

    for (int i = 0; i < count; ++i) {
        SSplineSegment& s = segments[i];
        s.c0 = static_cast<int16_t>(y[i]);
        s.c1 = s.c2 = s.c3 = SFP();
        if (!solvable || i == count - 1) continue;
        double h = s.length;
        s.c1 = SFP::FromReal((y[i + 1] - y[i]) / h - (2 * M[i] + M[i + 1]) * h);
        s.c2 = SFP::FromReal(3 * M[i]);
        s.c3 = SFP::FromReal((M[i + 1] - M[i]) / h);
    }
}
