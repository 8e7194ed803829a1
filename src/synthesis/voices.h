// The pair of pattern stores one request is spoken with: the normal voice and
// the half-rate voice used above Pitch 240. Not owned; the process-wide
// stores by default, test stores in tests.
#pragma once

class SAlfPattArr;

struct SVoicePair {
    const SAlfPattArr* normal = nullptr;
    const SAlfPattArr* halfRate = nullptr;

    // The process-wide stores.
    static SVoicePair Shared();
};
