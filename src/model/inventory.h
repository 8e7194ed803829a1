// The allophone inventory: every sound the engine can produce has an id
// (0..138) whose arithmetic carries meaning, and ids 1..111 have a short
// ASCII name (the key of its recorded pattern) and phonetic feature bits.
// The table is constant; it is the same for every engine.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/allophone_ids.h"

// Feature bits of an allophone.
enum SAlofonFeature : uint16_t {
    AF_SILENT = 0x0001,
    AF_PAUSE = 0x0002,
    AF_VOWEL = 0x0004,
    AF_GLIDE = 0x0008,
    AF_CONSONANT = 0x0010,
    AF_VELAR = 0x0020,
    AF_LABIAL = 0x0040,
    AF_DENTAL = 0x0080,
    AF_FRICATIVE = 0x0100,
    AF_LATERAL = 0x0200,
    AF_AFFRICATE = 0x0400,
    AF_TRILL = 0x0800,
    AF_VOICED = 0x1000,
    AF_VOICELESS = 0x2000,
    AF_SOFT = 0x4000,
    AF_NASAL = 0x8000,
};

// One inventory entry; the same 12-byte layout heads a pattern in the voice
// files (name zero-padded, no terminator when 8 characters long).
struct SAlofonHeader {
    char name[8];
    uint16_t id;
    uint16_t features;

    std::string_view Name() const;  // up to the first zero byte, at most 8 characters
};
static_assert(sizeof(SAlofonHeader) == 12);

constexpr int kInventorySize = kAlfErr + 1;  // entries 0..111

// The entry of an id; ids outside 0..111 get the all-zero entry 0.
const SAlofonHeader& InventoryEntry(int id);
std::string_view InventoryName(int id);  // "" for unnamed ids and ids outside 0..111
uint16_t InventoryFeatures(int id);      // 0 for ids outside 0..111
// The lowest id whose inventory name equals `name` exactly; -1 if none
// (also for the empty name).
int InventoryFindByName(std::string_view name);
