// The sound-file family. SSndFileFormat is the common interface of every
// format (probe, locate, read, write, load into a pattern store); it works on
// a file it does not own and owns the optional codec and converter used when
// writing. SRiffFileFormat adds the walker over chunked RIFF-style files.
//
// Errors are SExitException with a Polish message and code -1; the format
// object stays usable afterwards, the file position is then undefined.
#pragma once

#include <cstdint>
#include <memory>

#include "model/pcm_format.h"
#include "soundfile/binary_file.h"
#include "soundfile/sample_convert.h"
#include "soundfile/ulaw_codec.h"

class SWave;
class SAlfPattArr;
class SAlofonPatt;

class SSndFileFormat {
public:
    SSndFileFormat(int32_t formatId, SBinaryFile* file) : formatId_(formatId), file_(file) {}
    virtual ~SSndFileFormat() = default;
    SSndFileFormat(const SSndFileFormat&) = delete;
    SSndFileFormat& operator=(const SSndFileFormat&) = delete;

    int32_t FormatId() const { return formatId_; }

    virtual SBinaryFile* File() const { return file_; }
    // True when the open file is of this format. Moves the file position.
    virtual bool Probe() = 0;
    virtual bool IsValid() = 0;
    // Byte offset at which sound n begins; negative when there is none.
    virtual int64_t SoundOffset(int n) = 0;
    virtual int64_t FileLength() = 0;
    // Reads the 16-byte "fmt " record, searching from offset (when >= 0).
    virtual void ReadFmt(SPcmFormat& out, int64_t offset) = 0;
    virtual int32_t SoundLimit(int n) = 0;
    // Reads the sound that begins at offset into the wave as signed 16-bit.
    virtual void ReadSound(SWave& wave, int64_t offset) = 0;
    // Writes the wave as a complete file; a null format selects the default.
    virtual void WriteSound(const SWave& wave, const SSndFormat* format) = 0;
    virtual void WriteSound(const SWave& wave) { WriteSound(wave, nullptr); }
    // Reads every pattern of a voice database into the store.
    virtual void LoadPatterns(SAlfPattArr& /*store*/) {}
    virtual void SetFormats(const SSndFormat& /*source*/, const SSndFormat& /*file*/) {}
    virtual void FinishFile() {}
    // Writes the file header for n samples; returns the data byte count.
    virtual int32_t WriteHeader(int32_t /*sampleCount*/, const SSndFormat& /*format*/) { return 0; }
    // Writes signed 16-bit samples through the codec or the converter.
    virtual void WriteSamples(const void* samples, int32_t byteCount);
    virtual void ReadPattern(SAlofonPatt& /*pattern*/, int64_t /*offset*/) {}
    virtual void WritePattern(const SAlofonPatt* /*pattern*/) {}

    const SSndFormat& SourceFormat() const { return sourceFormat_; }
    const SSndFormat& FileFormat() const { return fileFormat_; }
    const SSndCodec* Codec() const { return codec_.get(); }
    const SSndConvert* Converter() const { return converter_.get(); }

protected:
    // Reads exactly count bytes or raises "błąd odczytu".
    void ReadExact(void* buffer, int64_t count);
    // Raises "błąd odczytu" unless count bytes remain after the position;
    // called before anything is sized from a count read from the file.
    void RequireBytes(int64_t count);
    int64_t Tell() { return file_->Tell(); }
    void Seek(int64_t offset) { file_->Seek(offset, kSeekBegin); }
    void SeekEnd() { file_->Seek(0, kSeekEnd); }
    void WriteBytes(const void* data, int64_t count) { file_->Write(data, count); }
    void WriteLE32(uint32_t value);
    void WriteLE16(uint16_t value);

    int32_t formatId_;
    SBinaryFile* file_;
    SSndFormat sourceFormat_;
    SSndFormat fileFormat_;
    std::unique_ptr<SSndCodec> codec_;
    std::unique_ptr<SSndConvert> converter_;
};

// A chunk header as read: id, payload size, the form type of a "RIFF" chunk,
// and the offset at which the id begins.
struct SChunk {
    char id[4] = {};
    uint32_t size = 0;
    char formType[4] = {};
    int64_t start = 0;

    bool Is(const char (&code)[5]) const;
    // Offset of the first payload byte (just after the header).
    int64_t PayloadStart() const { return start + 8; }
    // Offset of the next chunk's header; there are no pad bytes.
    int64_t End() const { return start + 8 + static_cast<int64_t>(size); }
};

class SRiffFileFormat : public SSndFileFormat {
public:
    using SSndFileFormat::SSndFileFormat;

    bool IsValid() override { return Probe(); }
    int64_t SoundOffset(int /*n*/) override { return 12; }
    int64_t FileLength() override { return file_->GetLength(); }
    void ReadFmt(SPcmFormat& out, int64_t offset) override;
    int32_t SoundLimit(int /*n*/) override { return 65535; }
    void ReadSound(SWave& wave, int64_t offset) override;
    void WriteSound(const SWave& /*wave*/, const SSndFormat* /*format*/) override {}
    using SSndFileFormat::WriteSound;

    // Reads a chunk header at the position; false at the end of the file.
    // An RF64 file reads as "RIFF"; its "data" chunk, whose 32-bit size says
    // "see ds64", gets the size from the "ds64" chunk (at most 0xFFFFFFFF).
    bool ReadChunk(SChunk& chunk);
    // Moves to the chunk that follows.
    void SkipChunk(const SChunk& chunk);
    // True when the file is a "RIFF" of the given four-character form type.
    bool IsForm(const char (&type)[5]);
    // The "VER " record; raises when it is missing or malformed.
    void ReadVersion(SVersion& version);

protected:
    // The chunk walk every reader uses: from the offset, visit each chunk
    // header (descending into "RIFF" containers) and then skip to the next;
    // visit returns false to stop. Ends quietly at the end of the file.
    template <typename Visit>
    void WalkChunks(int64_t from, Visit visit) {
        Seek(from);
        SChunk chunk;
        while (ReadChunk(chunk)) {
            if (chunk.Is("RIFF")) continue;
            if (!visit(chunk)) return;
            SkipChunk(chunk);
        }
    }
    // Start of the n-th "data" chunk (0-based) of a database, or -1.
    int64_t NthDataChunk(int n) {
        int64_t found = -1;
        int seen = 0;
        WalkChunks(0, [&](const SChunk& chunk) {
            if (!chunk.Is("data") || seen++ < n) return true;
            found = chunk.start;
            return false;
        });
        return found;
    }
    // Reads a 16-byte record chunk ("fmt ", "VER ") after checking its size.
    void ReadRecordChunk(const SChunk& chunk, void* out, const char* lengthMessage);

private:
    bool rf64_ = false;           // the file starts with "RF64"
    uint64_t rf64DataBytes_ = 0;  // the data size its "ds64" chunk states
};

// Reads sound n of the file into the wave; raises SException with
// "  Brak dźwięku nr=<n+1>" when the file holds no such sound.
void ReadSoundNumber(SSndFileFormat& format, SWave& wave, int n);

// A byte count of 16-bit data rounded down to whole samples.
int64_t WholeSampleBytes(int64_t bytes);
