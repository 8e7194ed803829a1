// The wave header at the 4 GB boundary (plain RIFF up to it, RF64 past it),
// the move that makes room for RF64, and writing into devices and pipes.
// Files past 4 GB are simulated by a stream that keeps only the header and
// counts the rest, so nothing large is ever stored.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "recording_dest_sink.h"
#include "sapi/audio/wave_file_audio_dest.h"
#include "sapi/audio/wave_header.h"

namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

std::uint64_t Le64(const std::vector<std::uint8_t>& b, std::size_t at) {
    return Le32(b, at) | (std::uint64_t{Le32(b, at + 4)} << 32);
}

std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

constexpr QWORD kMax = kMaxWaveDataBytes;

TEST(WaveHeader, PlainUpToTheLimitAndRf64PastIt) {
    const WAVEFORMATEX format = VoiceFormat();
    struct SCase {
        QWORD dataBytes;
        bool unknownLength;
        bool rf64;
    } cases[] = {
        {0, false, false},         {1000, false, false},
        {kMax - 1, false, false},  {kMax, false, false},
        {kMax + 1, false, true},   {0xFFFFFFFFull, false, true},
        {5ull << 30, false, true}, {(1ull << 40) + 2, false, true},
        {0, true, false},          {5ull << 30, true, false},
    };
    for (const SCase& c : cases) {
        std::vector<std::uint8_t> h = WaveHeaderBytes(format, c.dataBytes, c.unknownLength);
        SCOPED_TRACE(c.dataBytes);
        ASSERT_EQ(h.size(), c.rf64 ? kRf64HeaderBytes : kWaveHeaderBytes);
        EXPECT_EQ(Tag(h, 0), c.rf64 ? "RF64" : "RIFF");
        EXPECT_EQ(Tag(h, 8), "WAVE");
        std::size_t fmt = c.rf64 ? 48 : 12;
        if (c.rf64) {
            EXPECT_EQ(Le32(h, 4), 0xFFFFFFFFu);
            EXPECT_EQ(Tag(h, 12), "ds64");
            EXPECT_EQ(Le32(h, 16), 28u);
            EXPECT_EQ(Le64(h, 20), c.dataBytes + 72) << "the file's length less 8";
            EXPECT_EQ(Le64(h, 28), c.dataBytes);
            EXPECT_EQ(Le64(h, 36), c.dataBytes / 2) << "samples of two bytes";
            EXPECT_EQ(Le32(h, 44), 0u);
            EXPECT_EQ(Le32(h, fmt + 24 + 4), 0xFFFFFFFFu);
        } else if (c.unknownLength) {
            EXPECT_EQ(Le32(h, 4), 0xFFFFFFFFu);
            EXPECT_EQ(Le32(h, 40), 0xFFFFFFFFu);
        } else {
            EXPECT_EQ(Le32(h, 4), c.dataBytes + 36);
            EXPECT_EQ(Le32(h, 40), c.dataBytes);
        }
        EXPECT_EQ(Tag(h, fmt), "fmt ");
        EXPECT_EQ(Le32(h, fmt + 4), 16u);
        EXPECT_EQ(Le32(h, fmt + 12), 22050u);
        EXPECT_EQ(Tag(h, fmt + 24), "data");
    }
}

TEST(WaveHeader, MovingBytesForwardKeepsThemWholeAndInOrder) {
    struct SCase {
        std::size_t length, by, block;
    } cases[] = {{0, 36, 8},     {1, 36, 8},          {5000, 36, 1},      {5000, 36, 7},
                 {5000, 36, 36}, {5000, 36, 1 << 20}, {4096, 4000, 1000}, {100, 1, 3}};
    for (const SCase& c : cases) {
        std::FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        std::vector<std::uint8_t> bytes(44 + c.length);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 131 + (i >> 8));
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        ASSERT_TRUE(MoveFileBytesForward(f, 44, c.length, c.by, c.block))
            << c.length << " " << c.block;
        std::vector<std::uint8_t> moved(44 + (c.length > 0 ? c.by + c.length : 0));
        std::rewind(f);
        ASSERT_EQ(std::fread(moved.data(), 1, moved.size(), f), moved.size());
        std::fclose(f);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 44, moved.begin()))
            << "the header stays";
        EXPECT_TRUE(std::equal(bytes.begin() + 44, bytes.end(),
                               moved.begin() + 44 + static_cast<long>(c.by)))
            << c.length << " by " << c.by << " in blocks of " << c.block;
    }
}

// A file as large as it is said to be, of which only the first bytes are
// kept: reads past them leave the caller's buffer as it was, and writes past
// the header are recorded as stretches, to check that the sound was moved
// whole: every byte once, nothing outside it.
class SCountingFile {
public:
    explicit SCountingFile(std::uint64_t length) : length_(length) {
        cookie_io_functions_t io{&SCountingFile::Read, &SCountingFile::Write, &SCountingFile::Seek,
                                 nullptr};
        stream_ = fopencookie(this, "w+", io);
    }
    ~SCountingFile() { std::fclose(stream_); }

    std::FILE* Stream() { return stream_; }
    std::uint64_t Length() const { return length_; }
    const std::vector<std::uint8_t>& Head() const { return head_; }

    // Whether the writes past `from` cover exactly [from, from + length), once.
    bool WroteExactly(std::uint64_t from, std::uint64_t length) {
        std::sort(writes_.begin(), writes_.end());
        std::uint64_t next = from;
        for (auto [start, size] : writes_) {
            if (start != next) return false;
            next += size;
        }
        return next == from + length;
    }

private:
    static constexpr std::size_t kKept = 128;

    static ssize_t Read(void* cookie, char* buffer, std::size_t size) {
        auto* self = static_cast<SCountingFile*>(cookie);
        std::uint64_t n = self->at_ >= self->length_
                              ? 0
                              : std::min<std::uint64_t>(size, self->length_ - self->at_);
        for (std::uint64_t i = 0; i < n && self->at_ + i < kKept; ++i)
            buffer[i] = static_cast<char>(self->head_[self->at_ + i]);
        self->at_ += n;
        return static_cast<ssize_t>(n);
    }
    static ssize_t Write(void* cookie, const char* buffer, std::size_t size) {
        auto* self = static_cast<SCountingFile*>(cookie);
        for (std::size_t i = 0; i < size && self->at_ + i < kKept; ++i)
            self->head_[self->at_ + i] = buffer[i];
        if (self->at_ >= kRf64HeaderBytes) self->writes_.emplace_back(self->at_, size);
        self->at_ += size;
        self->length_ = std::max(self->length_, self->at_);
        return static_cast<ssize_t>(size);
    }
    static int Seek(void* cookie, off64_t* offset, int whence) {
        auto* self = static_cast<SCountingFile*>(cookie);
        std::int64_t base = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? static_cast<std::int64_t>(self->at_)
                                                 : static_cast<std::int64_t>(self->length_);
        if (base + *offset < 0) return -1;
        self->at_ = static_cast<std::uint64_t>(base + *offset);
        *offset = static_cast<off64_t>(self->at_);
        return 0;
    }

    std::FILE* stream_ = nullptr;
    std::uint64_t length_, at_ = 0;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> writes_;
    std::vector<std::uint8_t> head_ = std::vector<std::uint8_t>(kKept, 0xEE);
};

TEST(WaveHeader, CompletingAFileJustBelowAtAndPastFourGigabytes) {
    const WAVEFORMATEX format = VoiceFormat();
    for (QWORD data : {QWORD{1000}, kMax, kMax + 1, kMax + 2, QWORD{0x100000000}, QWORD{6} << 30}) {
        SCOPED_TRACE(data);
        SCountingFile file(kWaveHeaderBytes + data);
        bool rf64 = data > kMax;
        ASSERT_TRUE(CompleteWaveHeader(file.Stream(), format, data));
        std::fflush(file.Stream());
        EXPECT_EQ(file.Length(), (rf64 ? kRf64HeaderBytes : kWaveHeaderBytes) + data);
        if (rf64)
            EXPECT_TRUE(file.WroteExactly(kRf64HeaderBytes, data))
                << "every byte of sound moves back, once";
        else
            EXPECT_TRUE(file.WroteExactly(kRf64HeaderBytes, 0))
                << "a plain file's sound stays where it is";
        std::vector<std::uint8_t> expected = WaveHeaderBytes(format, data, false);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), file.Head().begin()));
    }
}

std::string ScratchPath(const char* name) {
    std::string dir = VOKRANT_BINARY_DIR "test-config/sapi-files/";
    mkdir(VOKRANT_BINARY_DIR "test-config", 0755);
    mkdir(dir.c_str(), 0755);
    return dir + name;
}

// Writing to a named pipe streams into it (the header states an unknown
// length) and leaves the pipe a pipe, as /dev/null must stay a device.
TEST(WaveHeader, ANamedPipeIsWrittenInPlaceWithAStreamingHeader) {
    std::string path = ScratchPath("fifo");
    unlink(path.c_str());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    // The read end is opened first and read only at the end: the sound fits
    // the pipe's buffer, and a destination that missed the pipe cannot hang
    // the test.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    CWaveFileAudioDest* dest = CWaveFileAudioDest::Create(path);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    std::vector<std::uint8_t> pcm(3000);
    for (std::size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<std::uint8_t>(i * 5);
    ASSERT_EQ(dest->DataSet(pcm.data(), static_cast<DWORD>(pcm.size())), S_OK);
    dest->UnClaim();
    dest->Pump();
    EXPECT_EQ(dest->Finish(), S_OK) << dest->LastError();
    dest->Release();
    std::vector<std::uint8_t> received;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        received.insert(received.end(), buffer, buffer + n);
    close(fd);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the pipe was replaced by a file";
    unlink(path.c_str());
    ASSERT_EQ(received.size(), kWaveHeaderBytes + pcm.size());
    EXPECT_EQ(Tag(received, 0), "RIFF");
    EXPECT_EQ(Le32(received, 4), 0xFFFFFFFFu);
    EXPECT_EQ(Le32(received, 40), 0xFFFFFFFFu);
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), received.begin() + kWaveHeaderBytes));
}

}  // namespace
