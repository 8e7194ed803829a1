#include "sapi/audio/wave_file_audio_dest.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "platform/codepage.h"
#include "platform/file_commit.h"
#include "platform/file_open.h"
#include "platform/sibling_temp_file.h"

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

bool CWaveFileAudioDest::WriteStreamingHeader() {
    std::vector<std::uint8_t> header = WaveHeaderBytes(Format(), 0, true);
    return std::fwrite(header.data(), 1, header.size(), file_) == header.size();
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
        // Streaming: the sizes cannot be known yet.
        return WriteStreamingHeader() ? S_OK : Fail("cannot write to standard output");
    }
    toDevice_ = IsDeviceOrPipe(path_);
    if (toDevice_) {
        // Renaming a file over /dev/null or a FIFO would replace it: stream into it.
        file_ = OpenFile(path_, "wb");
        if (file_ == nullptr) return Fail("cannot open " + path_ + ": " + std::strerror(errno));
        return WriteStreamingHeader() ? S_OK
                                      : Fail("cannot write " + path_ + ": " + std::strerror(errno));
    }
    file_ = CreateSiblingTempFile(path_, &tempPath_);
    if (file_ == nullptr) return Fail("cannot create " + path_ + ": " + std::strerror(errno));
    // Room for the plain header; its sizes are written when the file is complete.
    std::vector<std::uint8_t> header = WaveHeaderBytes(Format(), 0, false);
    bool ok = std::fwrite(header.data(), 1, header.size(), file_) == header.size();
    return ok ? S_OK : Fail("cannot write " + path_ + ": " + std::strerror(errno));
}

HRESULT CWaveFileAudioDest::OpenDevice() {
    return OpenOutput();
}

HRESULT CWaveFileAudioDest::WriteDevice(const void* data, DWORD bytes) {
    if (file_ == nullptr || full_) return E_FAIL;
    if (!WriteOut(data, bytes)) {
        full_ = true;
        return Fail("cannot write " + path_ + ": " + std::strerror(errno));
    }
    dataBytes_ += bytes;
    return S_OK;
}

bool CWaveFileAudioDest::WriteOut(const void* data, std::size_t bytes) {
    if (pending_.capacity() < kBlockBytes) pending_.reserve(kBlockBytes);
    if (pending_.size() + bytes > kBlockBytes && !FlushPending()) return false;
    if (bytes >= kBlockBytes)
        return std::fwrite(data, 1, bytes, file_) == bytes;  // large enough as it is
    const char* from = static_cast<const char*>(data);
    pending_.insert(pending_.end(), from, from + bytes);
    return true;
}

bool CWaveFileAudioDest::FlushPending() {
    bool ok = pending_.empty() ||
              std::fwrite(pending_.data(), 1, pending_.size(), file_) == pending_.size();
    pending_.clear();
    return ok;
}

HRESULT CWaveFileAudioDest::Finish() {
    if (finished_) return error_.empty() ? S_OK : E_FAIL;
    if (!HasFormat()) return Fail("no sound format was set");
    HRESULT hr = OpenOutput();
    if (FAILED(hr)) return hr;
    finished_ = true;
    if (!FlushPending()) {
        Abandon();
        return Fail("cannot write " + path_ + ": " + std::strerror(errno));
    }
    if (toDevice_) {
        bool ok = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok ? S_OK : Fail("cannot write " + path_ + ": " + std::strerror(errno));
    }
    if (toStdout_) {
        bool ok = std::fflush(file_) == 0;
        // Past 4 GB the header keeps stating an unknown length: a file that
        // is not ours is not rewritten to make room for RF64.
        if (ok && WaveHeaderSizes(dataBytes_, false) && headerOffset_ >= 0 &&
            std::fseek(file_, headerOffset_, SEEK_SET) == 0) {
            std::vector<std::uint8_t> header = WaveHeaderBytes(Format(), dataBytes_, false);
            ok = std::fwrite(header.data(), 1, header.size(), file_) == header.size() &&
                 std::fseek(file_, 0, SEEK_END) == 0 && std::fflush(file_) == 0;
        }
        file_ = nullptr;
        return ok ? S_OK : Fail("cannot write to standard output");
    }
    if (!error_.empty() || !CompleteWaveHeader(file_, Format(), dataBytes_)) {
        std::string reason = error_.empty() ? std::string(std::strerror(errno)) : error_;
        Abandon();
        return Fail("cannot write " + path_ + ": " + reason);
    }
    std::FILE* file = file_;
    file_ = nullptr;
    if (!CommitSiblingTempFile(file, tempPath_, path_))
        return Fail("cannot write " + path_ + ": " + std::strerror(errno));
    return S_OK;
}

void CWaveFileAudioDest::Abandon() {
    if (file_ == nullptr) return;
    if (toStdout_ || toDevice_) {
        FlushPending();  // what a pipe has taken cannot be taken back; send it whole
        if (toDevice_)
            std::fclose(file_);
        else
            std::fflush(file_);
    } else {
        DiscardSiblingTempFile(file_, tempPath_);
    }
    file_ = nullptr;
}

// ---- IAudioFile -------------------------------------------------------------

HRESULT CWaveFileAudioDest::FileFace::QueryInterface(REFIID riid, void** ppv) {
    return owner_->QueryInterface(riid, ppv);
}
ULONG CWaveFileAudioDest::FileFace::AddRef() {
    return owner_->AddRef();
}
ULONG CWaveFileAudioDest::FileFace::Release() {
    return owner_->Release();
}

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
    owner_->toDevice_ = false;
    return S_OK;
}

// A destination writes one file; appending source files is for audio sources.
HRESULT CWaveFileAudioDest::FileFace::Add(const WCHAR*, DWORD) {
    return E_NOTIMPL;
}

HRESULT CWaveFileAudioDest::FileFace::Flush() {
    return owner_->Finish();
}

HRESULT CWaveFileAudioDest::FileFace::RealTimeSet(WORD wTime) {
    owner_->realTime_ = wTime;
    return S_OK;
}

HRESULT CWaveFileAudioDest::FileFace::RealTimeGet(WORD* pwTime) {
    if (pwTime == nullptr) return E_INVALIDARG;
    *pwTime = owner_->realTime_;
    return S_OK;
}
