// The sample-format records live with the other sound-file records.
#pragma once

#include "soundfile/pcm_format.h"
