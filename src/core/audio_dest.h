// The engine's view of where sound goes: free space, data and bookmarks.
// The Speech API front end adapts the host's audio destination to this, the
// tests use SSimulatedAudioDest.
#pragma once

#include <cstdint>

class SAudioDest {
public:
    virtual ~SAudioDest() = default;

    // Bytes the destination can take now. A failing destination answers 0.
    virtual uint32_t FreeSpace() = 0;

    // Appends `bytes` bytes of PCM. Returns false when the destination refused.
    virtual bool DataSet(const void* data, uint32_t bytes) = 0;

    // Places a mark number between the bytes already given and the next ones;
    // it is handed back when playback reaches it.
    virtual bool BookMark(uint32_t mark) = 0;
};
