#include "voice_info.h"

#include <memory>

#include "core/exceptions.h"
#include "model/context_sounds.h"
#include "model/pattern_store.h"
#include "model/wave.h"
#include "platform/codepage.h"
#include "soundfile/context_section.h"
#include "soundfile/format_detector.h"
#include "soundfile/sound_messages.h"

namespace {

const char* LayoutName(int32_t formatId) {
    switch (formatId) {
        case kFormatWav:
            return "WAVE (wave file)";
        case kFormatAlof:
            return "ALOF (voice database, 16-bit samples)";
        case kFormatSplWav:
            return "SWAV (one spline pattern)";
        case kFormatSplAls:
            return "SALS (voice database, spline segments)";
        case kFormatNeXT:
            return ".snd (mu-law sound)";
        case kFormatAlu:
            return "SALU (voice database, mu-law and steps)";
        default:
            return "unknown";
    }
}

void PrintFormat(const SPcmFormat& f, std::FILE* out) {
    std::fprintf(out, "format:  tag %u, %u channel(s), %u bits, block %u, %u bytes/s\n",
                 f.formatTag, f.channels, f.bitsPerSample, f.blockAlign, f.avgBytesPerSec);
    std::fprintf(out, "rate:    %u Hz\n", f.samplesPerSec);
}

void PrintVersion(SRiffFileFormat& riff, std::FILE* out) {
    try {
        SVersion v;
        riff.ReadVersion(v);
        std::fprintf(out, "version: %u.%u.%u.%u (%.8s)\n", v.numbers[0], v.numbers[1], v.numbers[2],
                     v.numbers[3], v.date);
    } catch (const SExitException&) {
        std::fprintf(out, "version: none\n");
    }
}

void PrintContextSounds(const SAlfPattArr& store, std::FILE* out) {
    const SContextSounds& sounds = store.contextSounds;
    if (sounds.Count() == 0) return;
    std::fprintf(out, "context recordings:\n%-10s  %-12s  %-12s  %7s\n", "name:n", "before",
                 "after", "samples");
    for (int i = 0; i < sounds.Count(); ++i) {
        const SContextSound& sound = sounds.At(i);
        std::fprintf(out, "%-10s  %-12s  %-12s  %7d\n", ContextSoundLabel(sounds, i).c_str(),
                     ContextKeyName(sound.before).c_str(), ContextKeyName(sound.after).c_str(),
                     static_cast<int>(sound.samples.size()));
    }
    std::fprintf(out, "%d context recording(s)\n", sounds.Count());
}

void PrintPatterns(SSndFileFormat& format, SBinaryFile& file, std::FILE* out) {
    SAlfPattArr store;
    format.LoadPatterns(store);
    std::fprintf(out, "patterns:\n%5s  %-8s  %-8s  %7s  %8s\n", "id", "name", "features", "samples",
                 "segments");
    int count = 0;
    for (int id = 0; id < store.GetSize(); ++id) {
        const SAlofonPatt* p = store.PatternAt(id);
        if (!p) continue;
        std::string name(p->Name());
        std::fprintf(out, "%5d  %-8s  0x%04X    %7d  %8d\n", id, name.c_str(), p->features,
                     p->SampleLength(), p->GetSize());
        ++count;
    }
    std::fprintf(out, "%d pattern(s)\n", count);
    // The engine's own additions ("ch" as a copy of "h"), which recordings may
    // name too, as the loader has them.
    store.FinishLoad();
    try {
        LoadContextSection(file, store);
        PrintContextSounds(store, out);
    } catch (const SException& e) {
        std::fprintf(out, "context recordings: refused (%s)\n",
                     Cp1250ToUtf8(e.GetMessage()).c_str());
    }
}

}  // namespace

std::string ContextKeyName(uint16_t key) {
    static const char* const kClassNames[] = {"",       "vowel",     "glide", "nasal",
                                              "liquid", "fricative", "stop",  "affricate"};
    if (key == kContextAny) return "any";
    if (key == kContextSilence) return "silence";
    if (key > kContextClassBase && key <= kContextClassBase + kClassCount)
        return std::string("any ") + kClassNames[key - kContextClassBase];
    std::string name(InventoryName(key));
    return name.empty() ? "#" + std::to_string(key) : Cp1250ToUtf8(name);
}

std::string ContextSoundLabel(const SContextSounds& sounds, int index) {
    const int id = sounds.At(index).id;
    int n = 0;
    for (int i = 0; i <= index; ++i) n += sounds.At(i).id == id;
    std::string name(InventoryName(id));
    return (name.empty() ? std::to_string(id) : Cp1250ToUtf8(name)) + ":" + std::to_string(n);
}

const SContextSound* FindContextSound(const SContextSounds& sounds, const std::string& label) {
    for (int i = 0; i < sounds.Count(); ++i)
        if (ContextSoundLabel(sounds, i) == label) return &sounds.At(i);
    return nullptr;
}

void PrintFileInfo(const std::string& path, std::FILE* out) {
    std::unique_ptr<SDiskFile> file = SDiskFile::Open(path, SDiskFile::kRead);
    if (!file) ThrowExit(kExitFileOpen, kMsgCannotOpen, path.c_str());
    std::unique_ptr<SSndFileFormat> format = DetectFormat(file.get());
    if (!format) ThrowExit(kExitProcessing, kMsgUnknownFormat, path.c_str());
    std::fprintf(out, "file:    %s (%lld bytes)\n", path.c_str(),
                 static_cast<long long>(file->GetLength()));
    std::fprintf(out, "layout:  %s\n", LayoutName(format->FormatId()));

    auto* riff = dynamic_cast<SRiffFileFormat*>(format.get());
    if (riff && format->FormatId() != kFormatWav) PrintVersion(*riff, out);
    bool database = format->FormatId() == kFormatAlof || format->FormatId() == kFormatSplAls ||
                    format->FormatId() == kFormatAlu;
    if (database) {
        SPcmFormat fmt;
        riff->ReadFmt(fmt, 0);
        PrintFormat(fmt, out);
        PrintPatterns(*format, *file, out);
    } else if (format->FormatId() == kFormatSplWav) {
        SAlofonPatt pattern;
        format->ReadPattern(pattern, 0);
        PrintFormat(pattern.format, out);
        std::fprintf(out, "pattern: %d samples, %d segments, maxe %u\n", pattern.SampleLength(),
                     pattern.GetSize(), pattern.maxe);
    } else {
        SWave wave;
        ReadSoundNumber(*format, wave, 0);
        PrintFormat(wave.format, out);
        std::fprintf(out, "samples: %d\n", wave.SampleCount());
    }
}
