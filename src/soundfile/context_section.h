// The section of a voice file that holds its context recordings: one
// top-level chunk "ctxs" inside the database's RIFF form, which the readers
// of the written layouts walk past like any chunk they do not know.
//
// Payload, little-endian: uint32 version (1), uint32 record count, then per
// record uint16 allophone id, uint16 key before, uint16 key after (see
// model/context_sounds.h), uint16 zero, uint32 sample count and that many
// int16 samples at the voice's rate; last, a uint32 FNV-1a hash of every
// byte before it. The engine keeps the samples as they are and reads them
// through the curve that interpolates them (model/sample_curve.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "soundfile/binary_file.h"

class SAlfPattArr;
class SContextSounds;

struct SContextRecording {
    uint16_t id = 0;
    uint16_t before = 0, after = 0;
    std::vector<int16_t> samples;

    bool operator==(const SContextRecording&) const = default;
};

// The section's chunk id.
inline constexpr char kContextChunkId[5] = "ctxs";

// The payload of a section holding these recordings.
std::vector<unsigned char> ContextSectionPayload(const std::vector<SContextRecording>& recordings);

// Reads the section of the RIFF file into store.contextSounds, which is
// emptied first and stays empty when the file has no section. Every record
// must name an id whose pattern the store holds (not a pause), valid keys
// and exactly that pattern's sample count. Raises SException naming the
// fault when the section is damaged; the store's context recordings are
// then empty and its patterns untouched.
void LoadContextSection(SBinaryFile& file, SAlfPattArr& store);
// The same into `into`, checked against the patterns of `patterns`.
void LoadContextSection(SBinaryFile& file, const SAlfPattArr& patterns, SContextSounds& into);

// The recordings of a section payload, checked as LoadContextSection checks
// them except against a store. Raises SException on damage.
std::vector<SContextRecording> ParseContextSection(const std::vector<unsigned char>& payload);
std::vector<SContextRecording> ParseContextSection(const unsigned char* payload, size_t size);

// Rewrites the voice file at `path` with its chunks unchanged, any section
// it held dropped and a section with these recordings appended (none: no
// section). The write is atomic.
void ReplaceContextSection(const std::string& path,
                           const std::vector<SContextRecording>& recordings);
