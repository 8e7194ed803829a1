// What a control word does when timing or synthesis reaches it: rate,
// volume and Pnm changes in the settings, and (only in synthesis) sending a
// loaded sound file and opening the settings dialog.
#pragma once

#include <cstdint>
#include <string>

#include "model/allophone_ids.h"

class SAttribute;
class SWord;

// The effects that reach outside the settings. Timing passes none, so a
// sound file is sent and the dialog opened once, when synthesis reaches the
// tag, never a second time while the sentence is being timed.
class STagActions {
public:
    virtual ~STagActions() = default;
    // Sends what the sentence's own wave holds (a loaded sound file), without marks.
    virtual void SendSentenceWave() = 0;
    virtual void ShowSettings() = 0;
};

// The carrier id of a control word (its first allophone), or 0 when it has none.
int TagCarrierOf(const SWord& word);

// The decimal argument after the two tag bytes of a control word's text,
// read like C's strtol (leading blanks, sign, digits); 0 without digits.
// Values outside int32 saturate.
int64_t TagArgument(const std::string& controlText);

// Applies the control word's effect. `actions` may be null.
void ApplyTag(const SWord& word, SAttribute& settings, STagActions* actions);
