// Choosing, for every allophone of a sentence, the voice's recording made
// beside the neighbours it has here (the ContextSounds setting, beyond the
// written rules). Only which recording is read changes: the positions the
// timing prepares, every sample count and every mark stay as they were,
// because a context recording has the length of the id's own pattern.
#pragma once

#include "synthesis/voices.h"

class SSentence;

// Sets every sounding allophone's contextSound from its neighbours in the
// sentence (a pause or the sentence's edge is silence; tags between two
// sounds are passed over), or to 0 for all of them when `enabled` is false
// or the normal voice holds no context recordings. Only a sound without pitch
// takes a recording made before silence.
void ChooseContextSounds(SSentence& sentence, bool enabled, const SVoicePair& voices);
