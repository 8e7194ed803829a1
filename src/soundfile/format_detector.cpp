#include "soundfile/format_detector.h"

#include "core/exceptions.h"
#include "soundfile/alof_file_format.h"
#include "soundfile/next_file_format.h"
#include "soundfile/sals_file_format.h"
#include "soundfile/salu_file_format.h"
#include "soundfile/swav_file_format.h"
#include "soundfile/wav_file_format.h"

namespace {

using SFormatFactory = std::unique_ptr<SSndFileFormat> (*)(SBinaryFile*);

template <typename Format>
std::unique_ptr<SSndFileFormat> Make(SBinaryFile* file) {
    return std::make_unique<Format>(file);
}

// The order matters: the first format that recognises the file wins.
constexpr SFormatFactory kCandidates[] = {
    Make<SWavFileFormat>,    Make<SAlofFileFormat>, Make<SSplWavFileFormat>,
    Make<SSplAlsFileFormat>, Make<SNeXTFileFormat>, Make<SAluFileFormat>,
};

}  // namespace

std::unique_ptr<SSndFileFormat> DetectFormat(SBinaryFile* file) {
    if (!file) return nullptr;
    for (SFormatFactory make : kCandidates) {
        try {
            std::unique_ptr<SSndFileFormat> format = make(file);
            if (format->Probe()) return format;
        } catch (const SException&) {
            // A candidate that cannot read the file simply does not match.
        } catch (const std::bad_alloc&) {
        }
    }
    return nullptr;
}
