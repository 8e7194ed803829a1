// vokrant as a Speech API 4 host: loads the component, enumerates its voice
// modes, selects the voice on an audio destination (a WAV file, standard
// output or the sound device), speaks through ITTSCentral::TextData and
// reports the notifications it receives as --marks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "sapi/host/component_module.h"

// The text of a run, handed over a piece at a time (see input_pieces.h).
struct SSpeakPiece {
    std::u16string text;
    uint64_t start = 0;  // characters of the run's text before this piece
    bool last = true;    // no piece follows
};
// Gives the next piece; false when there is none, with `error` set if reading failed.
using SPieceSource = std::function<bool(SSpeakPiece& piece, std::string& error)>;

struct SSpeakRequest {
    SPieceSource pieces;
    bool tagged = false;
    std::string outputPath;      // "" = sound device, "-" = standard output
    std::FILE* marks = nullptr;  // where --marks lines go; null = none
};

class SSpeechHost {
public:
    // Loads the registered component, else the module built beside the program.
    bool Load(std::string* error);

    // The voice modes the component enumerates, one line each.
    bool ListVoices(std::FILE* out, std::string* error);

    // Speaks every piece of the request, one after another into one output,
    // to the end. False with a one-line reason.
    bool Speak(const SSpeakRequest& request, std::string* error);

private:
    // Selects the first voice mode on `audio`; null with a reason.
    ITTSCentralW* SelectVoice(IUnknown* audio, std::string* error);

    SComponentModule module_;
};
