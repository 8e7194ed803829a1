#include "synthesis/voices.h"

#include "synthesis/pattern_store.h"

SVoicePair SVoicePair::Shared() {
    return {&NormalVoice(), &HalfRateVoice()};
}
