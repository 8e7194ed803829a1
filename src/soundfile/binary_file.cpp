#include "soundfile/binary_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/exceptions.h"
#include "platform/file_commit.h"
#include "platform/file_open.h"
#include "platform/sibling_temp_file.h"
#include "soundfile/sound_messages.h"

namespace {

int64_t ClampPosition(int64_t position) {
    return position < 0 ? 0 : position;
}

}  // namespace

std::unique_ptr<SDiskFile> SDiskFile::Open(const std::string& path, Mode mode) {
    const char* modes[] = {"rb", "wb+", "rb+"};
    std::FILE* stream = OpenFile(path, modes[mode]);
    if (!stream) return nullptr;
    return std::unique_ptr<SDiskFile>(new SDiskFile(stream));
}

SDiskFile::~SDiskFile() {
    if (stream_) std::fclose(stream_);
}

int64_t SDiskFile::Seek(int64_t offset, int origin) {
    int whence = origin == kSeekBegin ? SEEK_SET : origin == kSeekCurrent ? SEEK_CUR : SEEK_END;
    if (fseeko(stream_, static_cast<off_t>(offset), whence) != 0) fseeko(stream_, 0, SEEK_SET);
    return static_cast<int64_t>(ftello(stream_));
}

int64_t SDiskFile::Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), stream_));
}

void SDiskFile::Write(const void* buffer, int64_t count) {
    if (count <= 0) return;
    if (std::fwrite(buffer, 1, static_cast<size_t>(count), stream_) != static_cast<size_t>(count))
        ThrowExit(kExitProcessing, kMsgWriteError, std::strerror(errno));
}

int64_t SDiskFile::GetLength() {
    off_t here = ftello(stream_);
    fseeko(stream_, 0, SEEK_END);
    off_t length = ftello(stream_);
    fseeko(stream_, here, SEEK_SET);
    return static_cast<int64_t>(length);
}

void SDiskFile::Flush() {
    if (!FlushToDisk(stream_)) ThrowExit(kExitProcessing, kMsgWriteError, std::strerror(errno));
}

std::FILE* SDiskFile::TakeStream() {
    std::FILE* stream = stream_;
    stream_ = nullptr;
    return stream;
}

void SDiskFile::Close() {
    std::FILE* stream = stream_;
    stream_ = nullptr;
    if (std::fclose(stream) != 0) ThrowExit(kExitProcessing, kMsgWriteError, std::strerror(errno));
}

SMemoryFile::SMemoryFile(const void* data, size_t size)
    : bytes_(static_cast<const unsigned char*>(data),
             static_cast<const unsigned char*>(data) + size) {}

int64_t SMemoryFile::Seek(int64_t offset, int origin) {
    int64_t base = origin == kSeekBegin ? 0 : origin == kSeekCurrent ? position_ : GetLength();
    position_ = ClampPosition(base + offset);
    return position_;
}

int64_t SMemoryFile::Read(void* buffer, int64_t count) {
    int64_t available = std::max<int64_t>(0, GetLength() - position_);
    int64_t n = std::clamp<int64_t>(count, 0, available);
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

void SMemoryFile::Write(const void* buffer, int64_t count) {
    if (count <= 0) return;
    size_t end = static_cast<size_t>(position_ + count);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ += count;
}

SAtomicFile::SAtomicFile(const std::string& path) : path_(path) {
    std::FILE* stream = CreateSiblingTempFile(path, &tempPath_);
    if (stream == nullptr) ThrowExit(kExitFileOpen, kMsgCannotCreate, path.c_str());
    file_.reset(new SDiskFile(stream));
}

SAtomicFile::~SAtomicFile() {
    if (file_ && file_->stream_ != nullptr) DiscardSiblingTempFile(file_->TakeStream(), tempPath_);
}

void SAtomicFile::Commit() {
    std::FILE* stream = file_->TakeStream();
    if (stream != nullptr && !CommitSiblingTempFile(stream, tempPath_, path_))
        ThrowExit(kExitProcessing, kMsgWriteError, std::strerror(errno));
}
