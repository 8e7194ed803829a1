#include "sapi/audio/wave_file_audio_dest.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "platform/codepage.h"
#include "platform/file_commit.h"

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
// The largest data chunk a RIFF size field can describe.
constexpr QWORD kMaxDataBytes = 0xFFFFFFFFull - (kHeaderBytes - 8);

void PutLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

CWaveFileAudioDest* CWaveFileAudioDest::Create(const std::string& path, DWORD bufferSize) {
    auto* dest = new (std::nothrow) CWaveFileAudioDest(path, bufferSize);
    if (dest != nullptr) dest->AddRef();
    return dest;
}

CWaveFileAudioDest::CWaveFileAudioDest(const std::string& path, DWORD bufferSize)
    : CAudioDestBase(bufferSize), path_(path), toStdout_(path == "-") {}

CWaveFileAudioDest::~CWaveFileAudioDest() {
    Abandon();  // never finished: the target keeps its old contents
    if (fileSink_ != nullptr) fileSink_->Release();
}

void* CWaveFileAudioDest::QueryExtra(REFIID riid) {
    return riid == IID_IAudioFile ? static_cast<IAudioFile*>(&fileFace_) : nullptr;
}

HRESULT CWaveFileAudioDest::Fail(const std::string& reason) {
    error_ = reason;
    return E_FAIL;
}

bool CWaveFileAudioDest::WriteHeader(std::uint32_t dataBytes) {
    const WAVEFORMATEX& f = Format();
    std::uint8_t h[kHeaderBytes];
    std::memcpy(h, "RIFF", 4);
    PutLe32(h + 4, dataBytes + (kHeaderBytes - 8));
    std::memcpy(h + 8, "WAVEfmt ", 8);
    PutLe32(h + 16, 16);
    PutLe16(h + 20, f.wFormatTag);
    PutLe16(h + 22, f.nChannels);
    PutLe32(h + 24, f.nSamplesPerSec);
    PutLe32(h + 28, f.nAvgBytesPerSec);
    PutLe16(h + 32, f.nBlockAlign);
    PutLe16(h + 34, f.wBitsPerSample);
    std::memcpy(h + 36, "data", 4);
    PutLe32(h + 40, dataBytes);
    return std::fwrite(h, 1, sizeof h, file_) == sizeof h;
}

HRESULT CWaveFileAudioDest::OpenOutput() {
    if (file_ != nullptr) return S_OK;
    if (finished_) return Fail("the wave file is already complete");
    if (toStdout_) {
        file_ = stdout;
        // Standard output redirected to a file (not appending) gets its sizes
        // patched at the end; a pipe keeps the largest, as players expect.
        SetBinaryMode(file_);
        long at = std::ftell(file_);
        headerOffset_ = at >= 0 && !StreamAppends(file_) ? at : -1;
        // Streaming: the sizes cannot be known yet, so state the largest.
        return WriteHeader(static_cast<std::uint32_t>(kMaxDataBytes)) ? S_OK : Fail("cannot write to standard output");
    }
    file_ = CreateSiblingTempFile(path_, &tempPath_);
    if (file_ == nullptr) return Fail("cannot create " + path_ + ": " + std::strerror(errno));
    return WriteHeader(0) ? S_OK : Fail("cannot write " + path_ + ": " + std::strerror(errno));
}

HRESULT CWaveFileAudioDest::OpenDevice() { return OpenOutput(); }

HRESULT CWaveFileAudioDest::WriteDevice(const void* data, DWORD bytes) {
    if (file_ == nullptr || full_) return E_FAIL;
    if (dataBytes_ + bytes > kMaxDataBytes) {
        full_ = true;  // reported to the engine as end of file
        return Fail("the wave file reached its 4 GB limit");
    }
    if (std::fwrite(data, 1, bytes, file_) != bytes) {
        full_ = true;
        return Fail("cannot write " + path_ + ": " + std::strerror(errno));
    }
    dataBytes_ += bytes;
    return S_OK;
}

HRESULT CWaveFileAudioDest::Finish() {
    if (finished_) return error_.empty() ? S_OK : E_FAIL;
    if (!HasFormat()) return Fail("no sound format was set");
    HRESULT hr = OpenOutput();
    if (FAILED(hr)) return hr;
    finished_ = true;
    if (toStdout_) {
        bool ok = std::fflush(file_) == 0;
        if (ok && headerOffset_ >= 0 && std::fseek(file_, headerOffset_, SEEK_SET) == 0) {
            ok = WriteHeader(static_cast<std::uint32_t>(dataBytes_)) && std::fseek(file_, 0, SEEK_END) == 0 &&
                 std::fflush(file_) == 0;
        }
        file_ = nullptr;
        return ok ? S_OK : Fail("cannot write to standard output");
    }
    bool ok = error_.empty() && std::fseek(file_, 0, SEEK_SET) == 0 &&
              WriteHeader(static_cast<std::uint32_t>(dataBytes_)) && FlushToDisk(file_);
    std::string reason = ok ? std::string() : (error_.empty() ? std::string(std::strerror(errno)) : error_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (ok && !MoveOver(tempPath_, path_)) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (!ok) {
        std::remove(tempPath_.c_str());
        return Fail("cannot write " + path_ + ": " + reason);
    }
    return S_OK;
}

void CWaveFileAudioDest::Abandon() {
    if (file_ == nullptr) return;
    if (toStdout_) {
        std::fflush(file_);
    } else {
        std::fclose(file_);
        std::remove(tempPath_.c_str());
    }
    file_ = nullptr;
}

// ---- IAudioFile -------------------------------------------------------------

HRESULT CWaveFileAudioDest::FileFace::QueryInterface(REFIID riid, void** ppv) {
    return owner_->QueryInterface(riid, ppv);
}
ULONG CWaveFileAudioDest::FileFace::AddRef() { return owner_->AddRef(); }
ULONG CWaveFileAudioDest::FileFace::Release() { return owner_->Release(); }

HRESULT CWaveFileAudioDest::FileFace::Register(IAudioFileNotifySink* pNotifySink) {
    if (pNotifySink != nullptr) pNotifySink->AddRef();
    if (owner_->fileSink_ != nullptr) owner_->fileSink_->Release();
    owner_->fileSink_ = pNotifySink;
    return S_OK;
}

HRESULT CWaveFileAudioDest::FileFace::Set(const WCHAR* pszFile, DWORD) {
    if (pszFile == nullptr || *pszFile == 0) return E_INVALIDARG;
    if (owner_->file_ != nullptr || owner_->finished_) return AUDERR_ALREADYSTARTED;
    owner_->path_ = Utf16ToUtf8(AsUtf16(pszFile));
    owner_->toStdout_ = owner_->path_ == "-";
    return S_OK;
}

// A destination writes one file; appending source files is for audio sources.
HRESULT CWaveFileAudioDest::FileFace::Add(const WCHAR*, DWORD) { return E_NOTIMPL; }

HRESULT CWaveFileAudioDest::FileFace::Flush() { return owner_->Finish(); }

HRESULT CWaveFileAudioDest::FileFace::RealTimeSet(WORD wTime) {
    owner_->realTime_ = wTime;
    return S_OK;
}

HRESULT CWaveFileAudioDest::FileFace::RealTimeGet(WORD* pwTime) {
    if (pwTime == nullptr) return E_INVALIDARG;
    *pwTime = owner_->realTime_;
    return S_OK;
}
