// The binary file the sound-file formats read and write through: Seek, Read,
// Write and GetLength, nothing more. The formats never open or close files;
// whoever creates a format object owns the file object.
//
// SDiskFile wraps a file on disk; SMemoryFile holds its bytes in memory (tests,
// fuzzing, building a file before it is saved); SAtomicFile writes a user file
// through a temporary file that replaces the target only on Commit.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

enum SSeekOrigin : int { kSeekBegin = 0, kSeekCurrent = 1, kSeekEnd = 2 };

class SBinaryFile {
public:
    virtual ~SBinaryFile() = default;

    // Moves the position and returns it. A position past the end is allowed:
    // reads there return 0 bytes, a write there fills the gap with zeros.
    // A position before the start is clamped to 0.
    virtual int64_t Seek(int64_t offset, int origin) = 0;
    // Reads up to `count` bytes; returns how many came (0 at the end).
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    // Writes all `count` bytes or throws SExitException (code -1).
    virtual void Write(const void* buffer, int64_t count) = 0;
    virtual int64_t GetLength() = 0;

    int64_t Tell() { return Seek(0, kSeekCurrent); }
};

class SDiskFile : public SBinaryFile {
public:
    enum Mode { kRead, kWrite, kReadWrite };
    // Returns null when the file cannot be opened (kWrite creates or truncates).
    static std::unique_ptr<SDiskFile> Open(const std::string& path, Mode mode);
    ~SDiskFile() override;
    SDiskFile(const SDiskFile&) = delete;
    SDiskFile& operator=(const SDiskFile&) = delete;

    int64_t Seek(int64_t offset, int origin) override;
    int64_t Read(void* buffer, int64_t count) override;
    void Write(const void* buffer, int64_t count) override;
    int64_t GetLength() override;

    // Flushes to the operating system and to the disk; throws on failure.
    void Flush();
    // Flushes and closes; throws on failure. The destructor closes quietly.
    void Close();

private:
    friend class SAtomicFile;
    // Hands the stream over; the object is then closed.
    std::FILE* TakeStream();

    explicit SDiskFile(std::FILE* stream) : stream_(stream) {}
    std::FILE* stream_;
};

class SMemoryFile : public SBinaryFile {
public:
    SMemoryFile() = default;
    explicit SMemoryFile(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    SMemoryFile(const void* data, size_t size);

    int64_t Seek(int64_t offset, int origin) override;
    int64_t Read(void* buffer, int64_t count) override;
    void Write(const void* buffer, int64_t count) override;
    int64_t GetLength() override { return static_cast<int64_t>(bytes_.size()); }

    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
    int64_t position_ = 0;
};

// Writes `path` atomically: everything goes to a temporary file beside it
// (platform/sibling_temp_file.h), which Commit flushes and renames over the
// target. Without Commit (an error part-way) the temporary file is removed
// and the target is left untouched. Commit is called at most once.
class SAtomicFile {
public:
    // Throws SExitException (code -2) when the temporary file cannot be made.
    explicit SAtomicFile(const std::string& path);
    ~SAtomicFile();
    SAtomicFile(const SAtomicFile&) = delete;
    SAtomicFile& operator=(const SAtomicFile&) = delete;

    SBinaryFile& File() { return *file_; }
    // Throws SExitException (code -1) when the data cannot be saved.
    void Commit();

private:
    std::string path_;
    std::string tempPath_;
    std::unique_ptr<SDiskFile> file_;
};
