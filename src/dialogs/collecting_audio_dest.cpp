#include "dialogs/collecting_audio_dest.h"

uint32_t SCollectingAudioDest::FreeSpace() {
    return bytes_.size() >= limit_ ? 0 : static_cast<uint32_t>(limit_ - bytes_.size());
}

bool SCollectingAudioDest::DataSet(const void* data, uint32_t bytes) {
    if (bytes > FreeSpace()) return false;
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), begin, begin + bytes);
    return true;
}
