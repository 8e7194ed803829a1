#include "wav_stream_dest.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr uint32_t kHeaderBytes = 44;
// The RIFF size fields are 32-bit: the data can grow to this at most.
constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - (kHeaderBytes - 8);
// A destination that is never full: the engine then synthesises straight on.
constexpr uint32_t kAlwaysFree = 0x7FFFFFFF;

void PutLE(unsigned char* at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::string Folder(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

SWavStreamDest::~SWavStreamDest() {
    Abandon();
}

bool SWavStreamDest::Fail(const std::string& message) {
    if (error_.empty()) error_ = message;
    return false;
}

bool SWavStreamDest::Open(const std::string& path, uint32_t sampleRate) {
    sampleRate_ = sampleRate;
    if (path == "-") {
        toStdout_ = true;
        file_ = stdout;
    } else {
        finalPath_ = path;
        std::string pattern = Folder(path) + "/.vokrant-XXXXXX";
        int fd = mkstemp(pattern.data());
        if (fd < 0) return Fail("cannot create a file in " + Folder(path) + ": " + std::strerror(errno));
        tempPath_ = pattern;
        file_ = fdopen(fd, "wb");
        if (!file_) {
            close(fd);
            return Fail(std::string("cannot open the output: ") + std::strerror(errno));
        }
        // mkstemp makes the file private; a WAV file is an ordinary user file.
        mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    // Unknown length at the start: the maximum, which players of a stream accept.
    return WriteHeader(0xFFFFFFFFu - (kHeaderBytes - 8));
}

bool SWavStreamDest::WriteHeader(uint32_t dataBytes) {
    unsigned char h[kHeaderBytes];
    std::memcpy(h, "RIFF", 4);
    PutLE(h + 4, dataBytes + (kHeaderBytes - 8), 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    PutLE(h + 16, 16, 4);
    PutLE(h + 20, 1, 2);                // PCM
    PutLE(h + 22, 1, 2);                // mono
    PutLE(h + 24, sampleRate_, 4);
    PutLE(h + 28, sampleRate_ * 2, 4);  // bytes per second
    PutLE(h + 32, 2, 2);                // block align
    PutLE(h + 34, 16, 2);               // bits per sample
    std::memcpy(h + 36, "data", 4);
    PutLE(h + 40, dataBytes, 4);
    if (std::fwrite(h, 1, kHeaderBytes, file_) != kHeaderBytes)
        return Fail(std::string("cannot write the output: ") + std::strerror(errno));
    return true;
}

uint32_t SWavStreamDest::FreeSpace() {
    return Failed() ? 0 : kAlwaysFree;
}

bool SWavStreamDest::DataSet(const void* data, uint32_t bytes) {
    if (Failed() || !file_) return false;
    if (dataBytes_ + bytes > kMaxDataBytes && !toStdout_)
        return Fail("the speech is longer than a WAV file can hold (4 GB); split the text");
    if (std::fwrite(data, 1, bytes, file_) != bytes)
        return Fail(std::string("cannot write the output: ") + std::strerror(errno));
    dataBytes_ += bytes;
    return true;
}

bool SWavStreamDest::BookMark(uint32_t mark) {
    if (markSink_) markSink_(mark, dataBytes_);
    return true;
}

bool SWavStreamDest::Commit() {
    if (!file_) return Fail("no output is open");
    if (Failed()) return false;
    uint32_t size = static_cast<uint32_t>(std::min(dataBytes_, kMaxDataBytes));
    // A pipe cannot seek: its header keeps the maximum sizes.
    bool seekable = std::fseek(file_, 0, SEEK_SET) == 0;
    if (seekable && (!WriteHeader(size) || std::fseek(file_, 0, SEEK_END) != 0))
        return Fail(std::string("cannot finish the output: ") + std::strerror(errno));
    if (std::fflush(file_) != 0) return Fail(std::string("cannot write the output: ") + std::strerror(errno));
    if (toStdout_) return true;
    if (fsync(fileno(file_)) != 0 && errno != EINVAL)
        return Fail(std::string("cannot write the output: ") + std::strerror(errno));
    int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0) return Fail(std::string("cannot write the output: ") + std::strerror(errno));
    if (std::rename(tempPath_.c_str(), finalPath_.c_str()) != 0)
        return Fail("cannot write " + finalPath_ + ": " + std::strerror(errno));
    tempPath_.clear();
    return true;
}

void SWavStreamDest::Abandon() {
    if (file_ && !toStdout_) std::fclose(file_);
    file_ = nullptr;
    if (!tempPath_.empty()) {
        std::remove(tempPath_.c_str());
        tempPath_.clear();
    }
}
