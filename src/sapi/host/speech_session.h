// Speaking one text through a selected mode object and waiting for it: the
// buffer sink and notification sink a host needs, reporting every
// notification as an event, while the host's pump delivers the audio
// destination's notifications.
#pragma once

#include <functional>
#include <string>

#include "sapi/sapi4.h"

struct SSpeechEvent {
    enum class Kind { Started, Done, Word, Bookmark, Attribute, Visual, AudioStart, AudioStop };
    Kind kind;
    QWORD timeStamp;  // byte position in the audio stream
    DWORD value;      // word byte offset, bookmark number, attribute, IPA character, done flags
};

using SSpeechEventHandler = std::function<void(const SSpeechEvent&)>;
// Delivers due notifications; returns false to give up waiting.
using SPumpFunction = std::function<bool()>;

// Registers for notifications, queues `text` (UTF-16; `tagged` when it
// carries control tags), pumps until the text is done, unregisters.
// Returns the first failing result code, or S_OK.
HRESULT SpeakAndWait(ITTSCentralW* central, const std::u16string& text, bool tagged,
                     const SSpeechEventHandler& onEvent, const SPumpFunction& pump);
