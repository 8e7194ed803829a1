// Finds the format of an open file by asking each known format in a fixed
// order: wave, "ALOF", "SWAV", "SALS", ".snd", "SALU". The bare "step" chunk
// is never detected.
#pragma once

#include <memory>

#include "soundfile/snd_file_format.h"

// The first format whose probe accepts the file, or null. A candidate that
// throws while being created or probed is discarded like a rejected one.
std::unique_ptr<SSndFileFormat> DetectFormat(SBinaryFile* file);

// Holds the format detected on a file; deletes it when given another file or
// when destroyed.
class SSndFileHolder {
public:
    SSndFileHolder() = default;
    explicit SSndFileHolder(SBinaryFile* file) { Detect(file); }

    // Replaces the held format by the one detected on file; returns it or null.
    SSndFileFormat* Detect(SBinaryFile* file) {
        format_ = DetectFormat(file);
        return format_.get();
    }
    SSndFileFormat* Get() const { return format_.get(); }
    SSndFileFormat* operator->() const { return format_.get(); }
    explicit operator bool() const { return format_ != nullptr; }

private:
    std::unique_ptr<SSndFileFormat> format_;
};
