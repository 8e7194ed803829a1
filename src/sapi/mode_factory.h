// Creation of a mode object for a selected voice mode: the enumerator's
// Select goes through here.
#pragma once

#include "sapi/sapi4.h"

using ModeFinalRelease = void (*)();

// Creates and initialises a mode object for mode index 0 with the given
// description, holding a reference to the audio object, and returns its
// ITTSCentralW. Counts it as a live object. E_OUTOFMEMORY when
// initialisation fails; on any failure nothing remains.
HRESULT CreateModeObject(ModeFinalRelease onFinalRelease, IUnknown* audioObject,
                         const TTSMODEINFOW& info, ITTSCentralW** central);
