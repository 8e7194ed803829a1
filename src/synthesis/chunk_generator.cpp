// MINIMAL PLACEHOLDER until the chunk generator lands: every sentence is silent.
#include "synthesis/chunk_generator.h"

#include "synthesis/wave.h"

int NextChunk(SSentence& /*sentence*/, SWave& wave, SBookmarkBff& /*marks*/, bool countOnly) {
    if (!countOnly && wave.Unsent() > 0) return wave.Unsent();
    return 0;
}
