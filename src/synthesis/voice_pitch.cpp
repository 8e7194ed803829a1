#include "synthesis/voice_pitch.h"

#include <algorithm>
#include <cmath>

#include "model/inventory.h"
#include "model/pattern.h"
#include "synthesis/pattern_periods.h"

bool CarriesPitch(uint32_t features) {
    if (features & AF_VOICELESS) return false;
    return !(features & AF_FRICATIVE) || (features & AF_VOICED);
}

double VoicePitchFactor(int percent) {
    return std::clamp(percent, kLowestVoicePitch, kHighestVoicePitch) / 100.0;
}

void ShiftPitchKeepingLength(const SSounding& recording, int sampleRate, double factor,
                             SFastArray<SFP>& positions) {
    const int count = positions.GetSize();
    if (factor == 1.0 || count == 0 || recording.Length() <= 0 || sampleRate <= 0) return;
    SPatternPeriods periods(recording, sampleRate);
    const double last = std::max(periods.Length() - 1, 0);
    const bool faster = factor > 1.0;
    SFP* p = positions.GetData();
    double read = p[0].ToReal();
    double expected = 0;  // the period near here, once the reader has drifted a little
    for (int n = 0; n < count; ++n) {
        const double natural = p[n].ToReal();
        const double step = n + 1 < count ? p[n + 1].ToReal() - natural
                            : n > 0       ? natural - p[n - 1].ToReal()
                                          : 1.0;
        p[n] = SFP::FromReal(std::clamp(read, 0.0, last));
        read += step * factor;
        // How far the reader has drifted from the recording's own time.
        const double drift = faster ? read - (natural + step) : (natural + step) - read;
        const bool atEnd = faster && read >= last;
        if (!atEnd && drift * 2 < periods.Shortest()) continue;
        const int at = static_cast<int>(std::clamp(read, 0.0, last));
        if (expected == 0) expected = periods.PeriodAt(at, faster);
        if (!atEnd && drift * 2 < expected) continue;
        const double period = periods.PeriodAt(at, faster);
        if (faster) {
            read -= period;
        } else if (read + period < last) {
            read += period;
        }
        expected = 0;
    }
}
