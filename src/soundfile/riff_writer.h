// Writes a chunked RIFF file: "RIFF" with a placeholder size and the form
// type, then chunks (sized in advance, or with a placeholder patched once the
// payload is written), then the RIFF size. No pad bytes are ever written.
#pragma once

#include <cstdint>

#include "soundfile/binary_file.h"

class SRiffWriter {
public:
    // Writes "RIFF____" and the four-character form type.
    SRiffWriter(SBinaryFile& file, const char (&formType)[5]);

    // A chunk whose payload is known: id, size, payload.
    void Chunk(const char (&id)[5], const void* payload, uint32_t size);
    // A chunk whose size is not known yet: writes the id and a placeholder;
    // returns the placeholder's position for EndChunk.
    int64_t BeginChunk(const char (&id)[5]);
    // Patches the placeholder with the bytes written since, then returns to
    // the end of the file.
    void EndChunk(int64_t placeholder);
    // Patches the RIFF size (file length - 8).
    void Finish();

    void WriteLE32(uint32_t value);
    void WriteLE16(uint16_t value);
    void Write(const void* data, int64_t count) { file_.Write(data, count); }
    SBinaryFile& File() { return file_; }

private:
    SBinaryFile& file_;
};
