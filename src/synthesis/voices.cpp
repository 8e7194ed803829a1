#include "synthesis/voices.h"

#include "model/pattern_store.h"

SVoicePair SVoicePair::Shared() {
    return {&NormalVoice(), &HalfRateVoice()};
}
