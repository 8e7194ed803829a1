// Which espeak-ng carrier gives each allophone of the Polish inventory, and
// where in it the allophone lies. Every named allophone has one row; names
// that the inventory uses for several ids ("aan", "i_", "err", ...) have one
// recording, shared by those ids.
#pragma once

#include <vector>

namespace voicebuild {

enum class CutKind {
    kVowel,       // trailing closure silence of a following stop is dropped
    kStop,        // plosives and affricates: the closure before the burst is kept
    kContinuant,  // fricatives, nasals, liquids, glides: the steady stretch
};

struct CarrierCut {
    const char* name;      // inventory name, also the recording's file name
    const char* text;      // UTF-8 carrier spoken by espeak-ng
    int first;             // index of the allophone's first phoneme event (pauses not counted)
    const char* phonemes;  // the espeak-ng phonemes expected there, blank-separated
    CutKind kind;
    const char* context;  // why this carrier: the position it stands for
};

const std::vector<CarrierCut>& PolishCarrierPlan();

const char* CutKindName(CutKind kind);

}  // namespace voicebuild
