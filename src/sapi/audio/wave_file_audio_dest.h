// A destination that writes a RIFF wave file. The sound streams into a
// temporary file beside the target, which Finish() completes (header sizes,
// flush, sync) and renames over the target in one step, so a reader never
// sees a half-written file and a failed run leaves the old file alone. A
// file past 4 GB is completed as RF64. The path "-" streams to standard
// output instead (sizes in the header are then 0xFFFFFFFF, "unknown length",
// and the stream has no length limit; when standard output is a file that
// can seek, the real sizes are patched in at the end if they fit a wave
// header). A device or named pipe (/dev/null, a FIFO) is written in place
// the same way, never replaced by a file.
//
// A file plays instantly: every Pump() counts all bytes written as played.
// The buffer size only paces the engine between pumps. The object offers
// IAudioFile, which is how the engine knows it writes a file.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "sapi/audio/audio_dest_base.h"
#include "sapi/audio/wave_header.h"

class CWaveFileAudioDest final : public CAudioDestBase {
public:
    static constexpr DWORD kDefaultBuffer = 256 * 1024;

    // `path` is UTF-8. The new object carries one reference.
    static CWaveFileAudioDest* Create(const std::string& path, DWORD bufferSize = kDefaultBuffer);

    // Completes the file. Returns S_OK, or an error with a one-line reason
    // in LastError(); safe to call more than once. Without a claim ever made,
    // writes an empty wave file in the last format set.
    HRESULT Finish();
    const std::string& LastError() const { return error_; }
    const std::string& Path() const { return path_; }
    QWORD DataBytes() const { return dataBytes_; }

private:
    // IAudioFile lives in its own face: its Flush (complete the file) must
    // not be confused with IAudio::Flush (drop what has not played).
    class FileFace final : public IAudioFile {
    public:
        explicit FileFace(CWaveFileAudioDest* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE Register(IAudioFileNotifySink* pNotifySink) override;
        HRESULT STDMETHODCALLTYPE Set(const WCHAR* pszFile, DWORD dwID) override;
        HRESULT STDMETHODCALLTYPE Add(const WCHAR* pszFile, DWORD dwID) override;
        HRESULT STDMETHODCALLTYPE Flush() override;
        HRESULT STDMETHODCALLTYPE RealTimeSet(WORD wTime) override;
        HRESULT STDMETHODCALLTYPE RealTimeGet(WORD* pwTime) override;

    private:
        CWaveFileAudioDest* owner_;
    };

    CWaveFileAudioDest(const std::string& path, DWORD bufferSize);
    ~CWaveFileAudioDest() override;

    void* QueryExtra(REFIID riid) override;
    HRESULT OpenDevice() override;
    void CloseDevice() override {}
    HRESULT WriteDevice(const void* data, DWORD bytes) override;
    QWORD PlayedPosition() override { return played_; }
    void DiscardUnplayed() override { played_ = Total(); }
    bool AtEndOfFile() override { return full_; }
    void BeforePump() override { played_ = Total(); }

    HRESULT OpenOutput();
    bool WriteStreamingHeader();
    bool WriteOut(const void* data, std::size_t bytes);
    bool FlushPending();
    void Abandon();
    HRESULT Fail(const std::string& reason);

    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    bool toStdout_ = false;
    bool toDevice_ = false;   // the path names a device or pipe, written in place
    long headerOffset_ = -1;  // where the header of standard output went, when it can seek
    bool finished_ = false;
    bool full_ = false;
    QWORD played_ = 0;
    QWORD dataBytes_ = 0;
    WORD realTime_ = 0;
    IAudioFileNotifySink* fileSink_ = nullptr;
    std::string error_;
    // Sound waits here and goes out in blocks of this size: the engine hands
    // over pieces between marks, often a few hundred bytes each.
    static constexpr std::size_t kBlockBytes = 1 << 20;
    std::vector<char> pending_;
    FileFace fileFace_{this};
};
