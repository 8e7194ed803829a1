#include "soundfile/sound_file_io.h"

#include "core/exceptions.h"
#include "soundfile/alof_file_format.h"
#include "soundfile/format_detector.h"
#include "soundfile/next_file_format.h"
#include "soundfile/sals_file_format.h"
#include "soundfile/salu_file_format.h"
#include "soundfile/sound_messages.h"
#include "soundfile/wav_file_format.h"

void ReadSoundFile(const std::string& path, SWave& wave) {
    std::unique_ptr<SDiskFile> file = SDiskFile::Open(path, SDiskFile::kRead);
    if (!file) ThrowExit(kExitFileOpen, kMsgCannotOpen, path.c_str());
    SSndFileHolder holder(file.get());
    if (!holder) ThrowExit(kExitProcessing, kMsgUnknownFormat, path.c_str());
    ReadSoundNumber(*holder.Get(), wave, 0);
}

void WriteSoundFile(const std::string& path, const SWave& wave, const SSndFormat& format) {
    SAtomicFile target(path);
    if (format.fileType == kFormatNeXT) {
        SNeXTFileFormat(&target.File()).WriteSound(wave, &format);
    } else {
        SWavFileFormat(&target.File()).WriteSound(wave, &format);
    }
    target.Commit();
}

void WriteVoiceFile(const std::string& path, const SAlfPattArr& store, SVoiceLayout layout) {
    SAtomicFile target(path);
    switch (layout) {
        case SVoiceLayout::kAlof:
            SAlofFileFormat(&target.File()).WriteDatabase(store);
            break;
        case SVoiceLayout::kSals:
            SSplAlsFileFormat(&target.File()).WriteDatabase(store);
            break;
        case SVoiceLayout::kSalu:
            SAluFileFormat(&target.File()).WriteDatabase(store);
            break;
    }
    target.Commit();
}
