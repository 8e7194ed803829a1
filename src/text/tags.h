// The control-tag reader: "\Spd=120\", "\Mrk=7\", "\Alf=(a b)\" and the rest.
// A tag either changes reading modes in the settings record, or becomes a
// control word (byte 3, the tag code, the argument) that takes effect where
// it stands in the speech. A tag that breaks its rule is no tag: the caller
// then reads the backslash as text.
#pragma once

#include <cstdint>
#include <string>

class SAttribute;
class SWave;

// Tag codes carried in control words.
enum STagCode : int {
    kTagNone = 0,      // not a tag
    kTagConsumed = 1,  // a tag that appends nothing
    kTagPitch = 4,
    kTagReset = 9,
    kTagSpeed = 10,
    kTagVolume = 11,
    kTagBookmark = 12,
    kTagPause = 13,
    kTagAllophones = 20,
    kTagDriver = 21,
    kTagPnm = 22,
    kTagWave = 23,
    kTagDialog = 24,
};

// The largest bookmark number a Mrk tag may carry: every value up to it
// reaches the client unchanged through the mark scheme.
constexpr int64_t kMaxBookmarkNumber = 0x7FFFFFFF;
// Sound files a Wav tag names are read only up to this size.
constexpr int64_t kMaxTagSoundBytes = 32 * 1024 * 1024;
// Longest quoted file name of a Wav tag.
constexpr size_t kMaxTagFileName = 259;

// Reads a tag whose name starts at `position` (just after the backslash).
// Returns kTagNone (position unchanged), kTagConsumed, or the tag code with
// the control word in `buffer` (empty when a Wav file did not load; the
// sentence still ends there). `wave` receives a Wav tag's sound; null skips
// loading.
int ReadTag(const char* text, uint32_t& position, SAttribute& settings, std::string& buffer,
            SWave* wave);

// Loads a wave or ".snd" file into `wave` for a Wav tag: ".wav" is added to
// a name without a '.'; a relative name is taken from the current directory.
// Only a regular file of at most kMaxTagSoundBytes is read; any failure
// leaves the wave empty and returns false.
bool LoadTagSound(const std::string& name, SWave& wave);
