// Runs every reader of untrusted sound and voice files over one input: the
// format detector, then the detected format's pattern loader and sound
// reader, then the single-pattern readers. Errors the readers raise are the
// expected outcome for damaged input; anything else (a crash, a sanitizer
// report, an escaping exception of another kind) is a fault.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/exceptions.h"
#include "model/pattern_store.h"
#include "model/wave.h"
#include "soundfile/binary_file.h"
#include "soundfile/format_detector.h"
#include "soundfile/steps_file_format.h"
#include "soundfile/swav_file_format.h"
#include "soundfile/voice_records.h"

inline void ExerciseSoundFile(const uint8_t* data, size_t size) {
    SMemoryFile file(data, size);
    std::unique_ptr<SSndFileFormat> format = DetectFormat(&file);
    if (format) {
        SAlfPattArr store;
        try {
            format->LoadPatterns(store);
        } catch (const SException&) {
        }
        // What was loaded must be readable by the synthesis.
        for (int id = 0; id < store.GetSize(); ++id)
            if (const SAlofonPatt* pattern = store.PatternAt(id)) RenderPattern(*pattern);
        SWave wave;
        try {
            ReadSoundNumber(*format, wave, 0);
        } catch (const SException&) {
        }
    }
    SAlofonPatt pattern;
    try {
        SSplWavFileFormat(&file).ReadPattern(pattern, 0);
    } catch (const SException&) {
    }
    try {
        SStepsFileFormat(&file).ReadPattern(pattern, 0);
    } catch (const SException&) {
    }
}
