#include "soundfile/voice_loader.h"

#include "core/exceptions.h"
#include "platform/file_open.h"
#include "platform/log.h"
#include "platform/paths.h"
#include "soundfile/binary_file.h"
#include "soundfile/context_section.h"
#include "soundfile/format_detector.h"
#include "soundfile/sound_messages.h"
#include "soundfile/voice_records.h"

namespace {

// The version a voice database of this format must carry, or null for a
// format that is no voice database.
const SVersion* ExpectedVersion(int32_t formatId) {
    switch (formatId) {
        case kFormatAlof:
            return &kAlofVersion;
        case kFormatSplAls:
            return &kSplAlsVersion;
        case kFormatAlu:
            return &kAluVersion;
        default:
            return nullptr;
    }
}

// The context recordings are an extra: a damaged section is refused on its
// own and the voice speaks with its patterns alone.
void LoadContextSectionOrLog(SBinaryFile& file, const std::string& path,
                             const SAlfPattArr& patterns, SContextSounds& into,
                             std::string* problem) {
    try {
        LoadContextSection(file, patterns, into);
    } catch (const SException& e) {
        into.Clear();
        LogMessage(kMsgContextRefused, path.c_str(), e.GetMessage());
        if (problem) *problem = e.GetMessage();
    }
}

}  // namespace

std::string FindVoiceFile(const std::string& fileName, const std::string& workDir) {
    std::string path = WithTrailingSlash(workDir) + fileName;
    if (IsRegularFile(path)) return path;
    if (IsRegularFile(fileName)) return fileName;
    return "";
}

void LoadVoice(SAlfPattArr& store, const std::string& fileName, const std::string& workDir,
               std::string* contextProblem, SContextLoading contextLoading) {
    store.RemoveAll();
    store.contextSounds.Clear();
    store.LoadContextSoundsOnFirstUse(nullptr);
    if (contextProblem) contextProblem->clear();
    std::string path = FindVoiceFile(fileName, workDir);
    if (path.empty()) ThrowExit(kExitVoiceDatabase, kMsgVoiceNotFound, fileName.c_str());

    std::unique_ptr<SDiskFile> file = SDiskFile::Open(path, SDiskFile::kRead);
    std::unique_ptr<SSndFileFormat> format = file ? DetectFormat(file.get()) : nullptr;
    if (!format) ThrowExit(kExitVoiceDatabase, kMsgVoiceNoFormat, path.c_str());

    // Only chunked formats are detected as voice databases; a ".snd" file
    // carries no version and is refused like any other foreign layout.
    auto* riff = dynamic_cast<SRiffFileFormat*>(format.get());
    const SVersion* expected = ExpectedVersion(format->FormatId());
    SVersion version;
    if (riff) {
        try {
            riff->ReadVersion(version);
        } catch (const SExitException& e) {
            throw SExitException(kExitVoiceDatabase, "%s", e.GetMessage());
        }
    }
    if (!riff || !expected || !(version == *expected))
        ThrowExit(kExitVoiceDatabase, kMsgVoiceVersion);

    format->LoadPatterns(store);
    store.FinishLoad();
    if (contextLoading == SContextLoading::kOnFirstUse) {
        store.LoadContextSoundsOnFirstUse(
            [path](const SAlfPattArr& patterns, SContextSounds& into) {
                std::unique_ptr<SDiskFile> again = SDiskFile::Open(path, SDiskFile::kRead);
                if (again) LoadContextSectionOrLog(*again, path, patterns, into, nullptr);
            });
        return;
    }
    LoadContextSectionOrLog(*file, path, store, store.contextSounds, contextProblem);
}
