// Files named in UTF-8 with letters outside the ANSI code page: the platform
// helpers and a WAV file named through IAudioFile::Set must reach the very
// name given, not a name mangled through the code page.
//
//   wine_file_paths DIR   works in DIR (an existing, empty folder with an ASCII
//                         name, as arguments arrive in the ANSI code page) and
//                         leaves it empty
#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "check.h"
#include "platform/codepage.h"
#include "platform/file_commit.h"
#include "platform/file_open.h"
#include "platform/interrupt_cleanup.h"
#include "platform/sibling_temp_file.h"
#include "sapi/audio/wave_file_audio_dest.h"

namespace {

std::string dirUtf8;   // DIR\ in UTF-8
std::wstring dirWide;  // the same, as the system names it

// A name in the work folder, spelled independently in both encodings.
struct SName {
    const char* utf8;
    const wchar_t* wide;
    std::string Utf8() const { return dirUtf8 + utf8; }
    std::wstring Wide() const { return dirWide + wide; }
};

const SName kNames[] = {
    {"zdanie.wav", L"zdanie.wav"},
    {"zażółć gęślą jaźń.wav", L"zażółć gęślą jaźń.wav"},
    {"Ślęża – żółw.wav", L"Ślęża – żółw.wav"},  // a dash no 8-bit Polish code page has
    {"Ελλάδα 東京.wav", L"Ελλάδα 東京.wav"},
};

bool ExistsWide(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWide(const std::wstring& path) {
    std::string bytes;
    if (std::FILE* file = _wfopen(path.c_str(), L"rb")) {
        char block[4096];
        for (size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) bytes.append(block, n);
        std::fclose(file);
    }
    return bytes;
}

// Every entry of the work folder but "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& dir) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void CheckHelpersReachTheNameGiven() {
    for (const SName& name : kNames) {
        std::string note = name.utf8;
        std::FILE* file = OpenFile(name.Utf8(), "wb");
        if (!CHECK_NOTE(file != nullptr, note)) continue;
        CHECK(std::fwrite(name.utf8, 1, std::strlen(name.utf8), file) == std::strlen(name.utf8));
        CHECK(std::fclose(file) == 0);
        CHECK_NOTE(ReadWide(name.Wide()) == name.utf8, note);
        CHECK_NOTE(!IsDeviceOrPipe(name.Utf8()), note);

        // The atomic write's own steps: a sibling beside it, renamed over it.
        std::string temp;
        std::FILE* sibling = CreateSiblingTempFile(name.Utf8(), &temp);
        if (CHECK_NOTE(sibling != nullptr, note)) {
            CHECK(std::fputs("new", sibling) >= 0);
            CHECK_NOTE(temp.rfind(name.Utf8(), 0) == 0, temp);
            CHECK_NOTE(CommitSiblingTempFile(sibling, temp, name.Utf8()), note);
            CHECK_NOTE(ReadWide(name.Wide()) == "new", note);
        }
        std::uint64_t size = 0;
        CHECK_NOTE(IsRegularFile(name.Utf8(), &size) && size == 3, note);
        CHECK_NOTE(RemoveFile(name.Utf8()), note);
        CHECK_NOTE(!ExistsWide(name.Wide()), note);
    }
    CHECK(OpenFile(dirUtf8 + "brak-ąę\\x.wav", "rb") == nullptr);
    CHECK(!RemoveFile(dirUtf8 + "brak-ąę.wav"));
    CHECK(OpenFile(std::string("x\0y.wav", 7), "wb") == nullptr);
    CHECK(IsDeviceOrPipe("NUL"));
    CHECK(FolderEntries(dirWide).empty());
}

WAVEFORMATEX SpeechFormat() {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 1;
    f.nSamplesPerSec = 22050;
    f.wBitsPerSample = 16;
    f.nBlockAlign = 2;
    f.nAvgBytesPerSec = 44100;
    return f;
}

// Speaks 1000 bytes into the file IAudioFile::Set names; the result of its Flush.
HRESULT WriteThroughAudioFile(const std::wstring& target, std::string* error) {
    CWaveFileAudioDest* dest = CWaveFileAudioDest::Create(dirUtf8 + "unused.wav");
    IAudioFile* file = nullptr;
    CHECK(dest->QueryInterface(IID_IAudioFile, reinterpret_cast<void**>(&file)) == S_OK);
    CHECK(file->Set(target.c_str(), 1) == S_OK);
    WAVEFORMATEX f = SpeechFormat();
    CHECK(dest->WaveFormatSet(SDATA{&f, sizeof f}) == S_OK);
    HRESULT hr = dest->Claim();
    if (SUCCEEDED(hr)) {
        dest->Start();
        std::vector<char> pcm(1000, 7);
        CHECK(dest->DataSet(pcm.data(), static_cast<DWORD>(pcm.size())) == S_OK);
        dest->UnClaim();
        dest->Pump();
        hr = file->Flush();
    }
    *error = dest->LastError();
    file->Release();
    dest->Release();
    return hr;
}

void CheckAudioFileSetTakesAnyName() {
    const std::wstring folder = dirWide + L"dźwięki";
    CHECK(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring target = folder + L"\\zdanie – żółte.wav";
    std::string error;
    CHECK_NOTE(WriteThroughAudioFile(target, &error) == S_OK, error);
    std::string bytes = ReadWide(target);
    CHECK_NOTE(bytes.size() == 44 + 1000, std::to_string(bytes.size()));
    CHECK(bytes.rfind("RIFF", 0) == 0);
    CHECK_NOTE(FolderEntries(folder + L"\\").size() == 1, "a temporary file was left beside it");
    CHECK(DeleteFileW(target.c_str()));
    CHECK(RemoveDirectoryW(folder.c_str()));

    // A folder that is not there: the reason names the path as given.
    HRESULT hr = WriteThroughAudioFile(dirWide + L"brak-ąę\\x.wav", &error);
    CHECK(FAILED(hr));
    CHECK_NOTE(error.find(dirUtf8 + "brak-ąę\\x.wav") != std::string::npos, error);
    CHECK(FolderEntries(dirWide).empty());
}

// Creates a file by its wide name, last written `ageSeconds` ago.
void PutFile(const std::wstring& path, int ageSeconds) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!CHECK(file != INVALID_HANDLE_VALUE)) return;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER at{};
    at.LowPart = now.dwLowDateTime;
    at.HighPart = now.dwHighDateTime;
    at.QuadPart -= static_cast<ULONGLONG>(ageSeconds) * 10000000ull;
    FILETIME then{at.LowPart, at.HighPart};
    CHECK(SetFileTime(file, nullptr, nullptr, &then));
    CloseHandle(file);
}

// What a killed writer left is removed by the next writer of the same file:
// only files of the exact pattern that nobody holds and that have not
// changed for a minute.
void CheckStaleTemporariesAreSweptAndNothingElse() {
    const std::wstring folder = dirWide + L"東京 – ślady\\";
    CHECK(CreateDirectoryW(folder.substr(0, folder.size() - 1).c_str(), nullptr));
    const std::wstring target = folder + L"mowa.wav";
    const std::wstring stale[] = {L"mowa.wav.vokrant-abc123.tmp", L"mowa.wav.vokrant-XYZ789.tmp"};
    const std::wstring kept[] = {
        L"mowa.wav.vokrant-abc12.tmp",  L"mowa.wav.vokrant-abc1234.tmp", L"mowa.wav.abc123",
        L"inna.wav.vokrant-abc123.tmp",
        L"mowa.wav.vokrant-fresh1.tmp",  // changed just now: maybe about to be renamed
        L"mowa.wav.vokrant-held12.tmp",  // held open by a writer
    };
    for (const std::wstring& name : stale) PutFile(folder + name, 120);
    for (const std::wstring& name : kept) PutFile(folder + name, 120);
    PutFile(folder + L"mowa.wav.vokrant-fresh1.tmp", 0);
    HANDLE held = CreateFileW((folder + L"mowa.wav.vokrant-held12.tmp").c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    CHECK(held != INVALID_HANDLE_VALUE);

    std::string targetUtf8 = Utf16ToUtf8(reinterpret_cast<const char16_t*>(target.c_str()));
    std::string temp;
    std::FILE* file = CreateSiblingTempFile(targetUtf8, &temp);
    if (CHECK(file != nullptr)) CHECK(CommitSiblingTempFile(file, temp, targetUtf8));
    for (const std::wstring& name : stale)
        CHECK_NOTE(!ExistsWide(folder + name), "stale file left");
    for (const std::wstring& name : kept) CHECK_NOTE(ExistsWide(folder + name), "removed");
    CHECK(FolderEntries(folder).size() == std::size(kept) + 1);

    // The interruption handler's own step: a file its writer still holds is
    // marked through the writer's handle and goes when the handle closes.
    file = CreateSiblingTempFile(targetUtf8, &temp);
    if (CHECK(file != nullptr)) {
        RemoveTemporaries();
        std::fclose(file);
        std::u16string wide = Utf8ToUtf16(temp);
        CHECK_NOTE(!ExistsWide(std::wstring(wide.begin(), wide.end())), temp);
        ForgetTemporaryNamed(temp);
    }
    CloseHandle(held);
    for (const std::wstring& name : FolderEntries(folder)) DeleteFileW((folder + name).c_str());
    CHECK(RemoveDirectoryW(folder.substr(0, folder.size() - 1).c_str()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wine_file_paths DIR\n");
        return 2;
    }
    dirUtf8 = std::string(argv[1]) + "\\";
    dirWide = std::wstring(dirUtf8.begin(), dirUtf8.end());
    CheckHelpersReachTheNameGiven();
    CheckAudioFileSetTakesAnyName();
    CheckStaleTemporariesAreSweptAndNothingElse();
    return wine_check::Summary("wine_file_paths");
}
