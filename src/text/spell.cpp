// MINIMAL PLACEHOLDER until the spelling table lands: no names yet.
#include "text/spell.h"

void SSpell::Load() {}
