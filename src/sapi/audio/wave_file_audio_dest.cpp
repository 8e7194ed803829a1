#include "sapi/audio/wave_file_audio_dest.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "platform/codepage.h"
#include "platform/file_commit.h"

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint32_t kUnknownLength = 0xFFFFFFFF;

void PutLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::optional<SWaveHeaderSizes> WaveHeaderSizes(QWORD dataBytes, bool unknownLength) {
    if (unknownLength) return SWaveHeaderSizes{kUnknownLength, kUnknownLength};
    if (dataBytes > kMaxWaveDataBytes) return std::nullopt;
    auto data = static_cast<std::uint32_t>(dataBytes);
    return SWaveHeaderSizes{data + (kHeaderBytes - 8), data};
}

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

bool CWaveFileAudioDest::WriteHeader(SWaveHeaderSizes sizes) {
    const WAVEFORMATEX& f = Format();
    std::uint8_t h[kHeaderBytes];
    std::memcpy(h, "RIFF", 4);
    PutLe32(h + 4, sizes.riff);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    PutLe32(h + 16, 16);
    PutLe16(h + 20, f.wFormatTag);
    PutLe16(h + 22, f.nChannels);
    PutLe32(h + 24, f.nSamplesPerSec);
    PutLe32(h + 28, f.nAvgBytesPerSec);
    PutLe16(h + 32, f.nBlockAlign);
    PutLe16(h + 34, f.wBitsPerSample);
    std::memcpy(h + 36, "data", 4);
    PutLe32(h + 40, sizes.data);
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
        // Streaming: the sizes cannot be known yet.
        return WriteHeader(*WaveHeaderSizes(0, true)) ? S_OK : Fail("cannot write to standard output");
    }
    file_ = CreateSiblingTempFile(path_, &tempPath_);
    if (file_ == nullptr) return Fail("cannot create " + path_ + ": " + std::strerror(errno));
    return WriteHeader(*WaveHeaderSizes(0, false)) ? S_OK : Fail("cannot write " + path_ + ": " + std::strerror(errno));
}

HRESULT CWaveFileAudioDest::OpenDevice() { return OpenOutput(); }

HRESULT CWaveFileAudioDest::WriteDevice(const void* data, DWORD bytes) {
    if (file_ == nullptr || full_) return E_FAIL;
    if (KnowsLength() && !WaveHeaderSizes(dataBytes_ + bytes, false)) {
        full_ = true;  // reported to the engine as end of file
        return Fail("the wave file reached its 4 GB limit");
    }
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
    if (bytes >= kBlockBytes) return std::fwrite(data, 1, bytes, file_) == bytes;  // large enough as it is
    const char* from = static_cast<const char*>(data);
    pending_.insert(pending_.end(), from, from + bytes);
    return true;
}

bool CWaveFileAudioDest::FlushPending() {
    bool ok = pending_.empty() || std::fwrite(pending_.data(), 1, pending_.size(), file_) == pending_.size();
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
    if (toStdout_) {
        bool ok = std::fflush(file_) == 0;
        // Past 4 GB the header keeps stating an unknown length.
        std::optional<SWaveHeaderSizes> sizes = WaveHeaderSizes(dataBytes_, false);
        if (ok && sizes && headerOffset_ >= 0 && std::fseek(file_, headerOffset_, SEEK_SET) == 0) {
            ok = WriteHeader(*sizes) && std::fseek(file_, 0, SEEK_END) == 0 && std::fflush(file_) == 0;
        }
        file_ = nullptr;
        return ok ? S_OK : Fail("cannot write to standard output");
    }
    bool ok = error_.empty() && std::fseek(file_, 0, SEEK_SET) == 0 &&
              WriteHeader(*WaveHeaderSizes(dataBytes_, false)) && FlushToDisk(file_);
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
        FlushPending();  // what a pipe has taken cannot be taken back; send it whole
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
