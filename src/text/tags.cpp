#include "text/tags.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/attribute.h"
#include "core/exceptions.h"
#include "model/chars.h"
#include "model/inventory.h"
#include "model/wave.h"
#include "platform/codepage.h"
#include "platform/file_open.h"
#include "soundfile/binary_file.h"
#include "soundfile/format_detector.h"

namespace {

constexpr unsigned char kControl = 3;
constexpr size_t kMaxAllophones = 255;
constexpr size_t kMaxBookmarkChars = 16;
// A tag's closing backslash is looked for this far and no farther, so that
// texts full of unclosed tags are not searched to their end at every one.
constexpr size_t kMaxTagLength = 4096;

// The first occurrence of `pattern` within kMaxTagLength characters of `from`.
const char* FindWithinTag(const char* from, std::string_view pattern) {
    for (size_t i = 0; i < kMaxTagLength && from[i]; ++i)
        if (std::strncmp(from + i, pattern.data(), pattern.size()) == 0) return from + i;
    return nullptr;
}

enum class STagName {
    kAlf,
    kDlg,
    kDrv,
    kPnm,
    kWav,
    kCom,
    kCtx,
    kMrk,
    kPau,
    kPit,
    kPro,
    kRmS,
    kRmW,
    kRst,
    kSpd,
    kVol,
    kIgnored,
};

struct STagEntry {
    const char* name;
    STagName tag;
};

// Matched in this order, without regard to case, over the name's length.
constexpr STagEntry kTags[] = {
    {"Alf=", STagName::kAlf},      {"Dlg", STagName::kDlg},       {"Drv=", STagName::kDrv},
    {"Pnm=", STagName::kPnm},      {"Wav=", STagName::kWav},      {"Com=", STagName::kCom},
    {"Ctx=", STagName::kCtx},      {"Mrk=", STagName::kMrk},      {"Pau=", STagName::kPau},
    {"Pit=", STagName::kPit},      {"Pro=", STagName::kPro},      {"RmS=", STagName::kRmS},
    {"RmW=", STagName::kRmW},      {"Rst", STagName::kRst},       {"Spd=", STagName::kSpd},
    {"Vol=", STagName::kVol},      {"Chr=", STagName::kIgnored},  {"Eng=", STagName::kIgnored},
    {"Pra=", STagName::kIgnored},  {"Prn=", STagName::kIgnored},  {"Prt=", STagName::kIgnored},
    {"RPit=", STagName::kIgnored}, {"RPrn=", STagName::kIgnored}, {"RSpd=", STagName::kIgnored},
    {"Vce=", STagName::kIgnored},
};

bool StartsWithNoCase(const char* text, const char* name) {
    for (; *name; ++text, ++name)
        if (*text == '\0' || ToLowerChar(*text) != ToLowerChar(*name)) return false;
    return true;
}

// C-style decimal value: blanks, a sign, digits; anything after is ignored.
long DecimalValue(const std::string& argument) {
    return std::strtol(argument.c_str(), nullptr, 10);
}

std::string ControlWord(int code, std::string_view argument) {
    std::string word{static_cast<char>(kControl), static_cast<char>(code)};
    word += argument;
    return word;
}

// A bookmark: digits only (after optional blanks), 1 .. kMaxBookmarkNumber.
bool IsBookmarkNumber(const std::string& argument) {
    if (argument.size() > kMaxBookmarkChars) return false;
    size_t i = argument.find_first_not_of(' ');
    if (i == std::string::npos) return false;
    int64_t value = 0;
    for (; i < argument.size(); ++i) {
        if (!IsDigitChar(argument[i])) return false;
        value = value * 10 + (argument[i] - '0');
        if (value > kMaxBookmarkNumber) return false;
    }
    return value != 0;
}

// Control word 3, 20, count, ids: the allophones named between the parentheses.
std::string AllophoneWord(const std::string& argument) {
    std::string ids, name;
    for (size_t i = 1; i < argument.size() && ids.size() < kMaxAllophones; ++i) {
        unsigned char c = static_cast<unsigned char>(argument[i]);
        if (IsWordChar(c)) {
            name += static_cast<char>(c);
            continue;
        }
        int id = InventoryFindByName(name);
        ids += static_cast<char>(id < 0 ? kAlfErr : id);
        name.clear();
    }
    if (ids.empty()) return std::string();
    return ControlWord(kTagAllophones, std::string(1, static_cast<char>(ids.size())) + ids);
}

class STagReader {
public:
    STagReader(const char* text, uint32_t position, SAttribute& settings, std::string& buffer,
               SWave* wave)
        : text_(text), start_(position), settings_(settings), buffer_(buffer), wave_(wave) {}

    // The code, and the end of the tag (after its closing backslash) in `end`.
    int Read(uint32_t& end);

private:
    int ReadQuoted(STagName tag, uint32_t& end);
    int Apply(STagName tag, const std::string& argument);
    int Produce(int code, std::string_view argument) {
        buffer_ = ControlWord(code, argument);
        return code;
    }

    const char* text_;
    uint32_t start_;
    SAttribute& settings_;
    std::string& buffer_;
    SWave* wave_;
};

int STagReader::Read(uint32_t& end) {
    const char* at = text_ + start_;
    for (const STagEntry& entry : kTags) {
        if (!StartsWithNoCase(at, entry.name)) continue;
        if (entry.tag == STagName::kCom || entry.tag == STagName::kCtx ||
            entry.tag == STagName::kWav)
            return ReadQuoted(entry.tag, end);
        const char* close = FindWithinTag(at, "\\");
        if (!close) return kTagNone;
        // The argument follows the first four characters of the name.
        size_t argumentStart = std::min<size_t>(4, std::strlen(entry.name));
        if (close - at < static_cast<ptrdiff_t>(argumentStart)) return kTagNone;
        std::string argument(at + argumentStart, close);
        if ((entry.tag == STagName::kDlg || entry.tag == STagName::kRst) && close - at != 3)
            return kTagNone;
        int code = Apply(entry.tag, argument);
        if (code != kTagNone) end = static_cast<uint32_t>(close - text_) + 1;
        return code;
    }
    return kTagNone;
}

// A double-quoted text of at least one character, closed by a quote and a
// backslash; the text may itself hold backslashes.
int STagReader::ReadQuoted(STagName tag, uint32_t& end) {
    const char* open = text_ + start_ + 4;
    if (*open != '"' || open[1] == '\0') return kTagNone;
    const char* close = FindWithinTag(open + 2, "\"\\");
    if (!close) return kTagNone;
    end = static_cast<uint32_t>(close - text_) + 2;
    if (tag != STagName::kWav) return kTagConsumed;
    std::string name(open + 1, close);
    buffer_.clear();
    // The name is text (Windows-1250); file names are UTF-8.
    if (wave_ && name.size() <= kMaxTagFileName && LoadTagSound(Cp1250ToUtf8(name), *wave_))
        buffer_ = ControlWord(kTagWave, "\x01");
    return kTagWave;
}

int STagReader::Apply(STagName tag, const std::string& argument) {
    const size_t length = argument.size();
    switch (tag) {
        case STagName::kAlf: {
            if (length < 2 || argument.front() != '(' || argument.back() != ')') return kTagNone;
            buffer_ = AllophoneWord(argument);
            return kTagAllophones;
        }
        case STagName::kDlg:
            return Produce(kTagDialog, "\x01");
        case STagName::kDrv: {
            if (length > 1) return kTagNone;
            char c = length ? argument[0] : '\0';
            int digit = c < '0' ? 0 : c > '9' ? 9 : c - '0';
            return Produce(kTagDriver, std::string(1, static_cast<char>(digit + 1)));
        }
        case STagName::kPnm:
            return length <= 3 ? Produce(kTagPnm, argument) : kTagNone;
        case STagName::kMrk:
            return IsBookmarkNumber(argument) ? Produce(kTagBookmark, argument) : kTagNone;
        case STagName::kPau:
            return length >= 1 && length <= 5 ? Produce(kTagPause, argument) : kTagNone;
        case STagName::kPit:
            return length >= 1 && length <= 3 && DecimalValue(argument) != 0
                       ? Produce(kTagPitch, argument)
                       : kTagNone;
        case STagName::kSpd:
            return length >= 1 && length <= 3 && DecimalValue(argument) != 0
                       ? Produce(kTagSpeed, argument)
                       : kTagNone;
        case STagName::kVol:
            return length >= 1 && length <= 5 && DecimalValue(argument) != 0
                       ? Produce(kTagVolume, argument)
                       : kTagNone;
        case STagName::kPro:
            if (length > 1) return kTagNone;
            settings_.intonation = settings_.colloquialSpeech = argument != "0";
            return kTagConsumed;
        case STagName::kRmS:
            if (length > 1) return kTagNone;
            settings_.spellMode = argument != "0";
            return kTagConsumed;
        case STagName::kRmW:
            if (length > 1) return kTagNone;
            settings_.fluentSpeech = argument == "0";
            return kTagConsumed;
        case STagName::kRst:
            settings_.Reset(0);
            return Produce(kTagReset, "\x01");
        case STagName::kIgnored:
            return kTagConsumed;
        default:
            return kTagNone;
    }
}

}  // namespace

int ReadTag(const char* text, uint32_t& position, SAttribute& settings, std::string& buffer,
            SWave* wave) {
    if (!settings.taggedText || !text) return kTagNone;
    uint32_t end = position;
    int code = STagReader(text, position, settings, buffer, wave).Read(end);
    if (code != kTagNone) position = end;
    return code;
}

bool LoadTagSound(const std::string& name, SWave& wave) {
    wave.Clear();
    if (name.empty() || name.find('\0') != std::string::npos) return false;
    std::string path = name.find('.') == std::string::npos ? name + ".wav" : name;
    std::uint64_t size = 0;
    if (!IsRegularFile(path, &size) || size > static_cast<std::uint64_t>(kMaxTagSoundBytes))
        return false;
    std::unique_ptr<SDiskFile> file = SDiskFile::Open(path, SDiskFile::kRead);
    if (!file) return false;
    try {
        std::unique_ptr<SSndFileFormat> format = DetectFormat(file.get());
        // Only sound files proper; voice databases are not inserted into speech.
        if (!format || (format->FormatId() != kFormatWav && format->FormatId() != kFormatNeXT))
            return false;
        ReadSoundNumber(*format, wave, 0);
    } catch (const SException&) {
        wave.Clear();
        return false;
    }
    return wave.GetSize() > 0;
}
