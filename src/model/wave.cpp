#include "model/wave.h"

#include <algorithm>

#include "core/audio_dest.h"

bool SWave::Send(SAudioDest& dest, const SBookmarkBff* marks, uint32_t /*reserved*/) {
    const uint32_t freeSpace = dest.FreeSpace();
    uint32_t n = std::min<uint32_t>(freeSpace, static_cast<uint32_t>(std::max(Unsent(), 0)));
    const bool full = n == freeSpace;
    if (sent == 0) nextMark = 0;

    auto hand = [&](uint32_t count) {
        if (count > 0) dest.DataSet(GetData() + sent, count);
        sent += static_cast<int32_t>(count);
    };

    if (marks) {
        const uint32_t end = static_cast<uint32_t>(sent) + n;
        // When the whole rest goes out, marks at (or past) the end of the wave
        // go out after the last byte: the next chunk would otherwise drop them.
        const bool wholeRest = end == static_cast<uint32_t>(GetSize());
        for (; nextMark < marks->GetSize(); ++nextMark) {
            const SBookmark& mark = (*marks)[nextMark];
            // A mark behind the cursor is overdue: deliver it now.
            const uint32_t position = std::clamp<uint32_t>(mark.position, sent, GetSize());
            if (position >= end && !wholeRest) break;
            const uint32_t before = position - sent;
            hand(before);
            n -= before;
            dest.BookMark(mark.id);
        }
    }
    hand(n);
    return full;
}
