// The sample-format records live with the other sound-file records.
#pragma once

#include "model/pcm_format.h"
