#include "phonetics/letter_reader.h"

#include <algorithm>

#include "model/allophone_ids.h"
#include "model/word.h"
#include "phonetics/transcribe.h"

using namespace allophone;

namespace {

// Windows-1250 bytes of the Polish lower-case letters.
constexpr unsigned char kOgonekA = 0xB9, kAcuteC = 0xE6, kOgonekE = 0xEA, kStrokeL = 0xB3,
                        kAcuteN = 0xF1, kAcuteO = 0xF3, kAcuteS = 0x9C, kAcuteZ = 0x9F,
                        kDotZ = 0xBF;

// Vowel that an "i" or "j" prefixes to the next letter; kAlfNone when the letter
// is not one of them. "y" is handled by the callers.
int PrefixedVowel(unsigned char c) {
    switch (c) {
        case 'a':
            return kIa;
        case 'e':
            return kIe;
        case 'i':
            return kI;
        case 'o':
            return kIo;
        case 'u':
            return kIu;
        case kOgonekA:
            return kIan;
        case kOgonekE:
            return kIen;
        default:
            return kAlfNone;
    }
}

// Tag codes that become a carrier allophone (code + 114).
bool IsCarrierTag(int code) {
    return code == 3 || code == 4 || (code >= 7 && code <= 13) || (code >= 21 && code <= 24);
}

constexpr int kExplicitAllophonesTag = 20;
constexpr int kPauseTag = 13;
constexpr long kMaxPauseMs = 60000;

}  // namespace

SLetterReader::SLetterReader(SWord& word) : word_(word), text_(word.text) {}

unsigned char SLetterReader::At(size_t index) const {
    return index < text_.size() ? static_cast<unsigned char>(text_[index]) : 0;
}

void SLetterReader::ReadAll() {
    for (position_ = 0; position_ < text_.size(); ++position_) Step();
}

void SLetterReader::Step() {
    main_ = kAlfNone;
    vowel_ = kAlfNone;
    glide_ = wGlide_ = false;
    unsigned char c = At(position_);
    if (c == 3) {
        ReadTagSequence();
        return;
    }
    ReadLetter(c);
    Emit();
}

void SLetterReader::Emit() {
    if (main_ != kAlfNone) word_.Append(main_);
    if (glide_) word_.Append(kJ);
    if (wGlide_) word_.Append(kLl);
    if (vowel_ != kAlfNone) word_.Append(vowel_);
}

void SLetterReader::ReadLetter(unsigned char c) {
    if (ReadVowel(c) || ReadConsonant(c)) return;
    ReadPunctuation(c);
}

bool SLetterReader::ReadVowel(unsigned char c) {
    switch (c) {
        case 'a':
            main_ = kA;
            break;
        case 'e':
            main_ = kE;
            break;
        case 'o':
            main_ = kO;
            break;
        case 'u':
            main_ = kU;
            glide_ = Next() == 'i';
            return true;
        case kAcuteO:
            main_ = kU;
            return true;
        case 'y':
            main_ = kY;
            return true;
        case kOgonekA:
            main_ = kAn;
            return true;
        case kOgonekE:
            main_ = kEn;
            return true;
        case 'i':
            ReadI();
            return true;
        case 'j':
            ReadJ();
            return true;
        default:
            return false;
    }
    // a, e, o: a following "i" or "u" glides without being consumed.
    glide_ = Next() == 'i';
    wGlide_ = Next() == 'u';
    return true;
}

void SLetterReader::ReadI() {
    unsigned char next = Next();
    if (next == 'y') {
        main_ = kAlfErr;
    } else if (next == 'i') {
        main_ = kIiStressed;
    } else {
        main_ = PrefixedVowel(next);
        if (main_ == kAlfNone) {
            main_ = kI;
            return;
        }
    }
    Consume();
}

void SLetterReader::ReadJ() {
    main_ = kJj;
    unsigned char next = Next();
    if (next == 'y') {
        main_ = kAlfErr;
        Consume();
        return;
    }
    vowel_ = PrefixedVowel(next);
    if (vowel_ != kAlfNone) Consume();
}

// A following "i" softens the consonant (M + 1) and gives the vowel after it.
bool SLetterReader::SoftI(bool glideAllowed) {
    if (Next() != 'i') return false;
    Consume();
    ++main_;
    if (position_ + 1 >= text_.size()) {
        vowel_ = kI;
    } else if (Next() == 'y') {
        main_ = kAlfErr;
        Consume();
    } else if (Next() == kAcuteO) {
        vowel_ = kIu;
        Consume();
    } else {
        vowel_ = PrefixedVowel(Next());
        if (vowel_ == kAlfNone)
            vowel_ = kI;
        else
            Consume();
    }
    if (glideAllowed && vowel_ != kI) glide_ = true;
    return true;
}

bool SLetterReader::ReadConsonant(unsigned char c) {
    int glided = kAlfNone;  // consonant followed by SoftI with glide
    switch (c) {
        case 'b':
            glided = kB;
            break;
        case 'f':
            glided = kF;
            break;
        case 'g':
            glided = kG;
            break;
        case 'h':
            glided = kH;
            break;
        case 'k':
            glided = kK;
            break;
        case 'l':
            glided = kL;
            break;
        case 'm':
            glided = kM;
            break;
        case 'p':
            glided = kP;
            break;
        case 't':
            glided = kT;
            break;
        case 'v':
        case 'w':
            glided = kW;
            break;
        case 'c':
            ReadC();
            return true;
        case 'd':
            ReadD();
            return true;
        case 'n':
            ReadN();
            return true;
        case kStrokeL:
            main_ = Next() == 'u' ? kLl : kLll;
            return true;
        case 'q':
            main_ = kK;
            vowel_ = kU;
            return true;
        case 'x':
            main_ = kK;
            vowel_ = kS;
            return true;
        case 'r':
            main_ = kR;
            if (!SoftI(true) && Next() == 'z') {
                Consume();
                main_ = kRz;
            }
            return true;
        case 's':
            main_ = kS;
            if (!SoftI(false) && Next() == 'z') {
                Consume();
                main_ = kSz;
            }
            return true;
        case 'z':
            main_ = kZ;
            SoftI(false);
            return true;
        case kAcuteC:
            main_ = kCi;
            return true;
        case kAcuteN:
            main_ = kNi;
            return true;
        case kAcuteS:
            main_ = kSi;
            return true;
        case kAcuteZ:
            main_ = kZi;
            return true;
        case kDotZ:
            main_ = kRz;
            return true;
        default:
            return false;
    }
    main_ = glided;
    SoftI(true);
    return true;
}

void SLetterReader::ReadC() {
    main_ = kC;
    if (SoftI(false)) return;
    if (Next() == 'h') {
        Consume();
        main_ = kCh;
        SoftI(true);
    } else if (Next() == 'z') {
        Consume();
        main_ = kCz;
    }
}

void SLetterReader::ReadD() {
    main_ = kD;
    if (SoftI(true)) return;
    switch (Next()) {
        case kAcuteZ:
            Consume();
            main_ = kDzi;
            break;
        case kDotZ:
            Consume();
            main_ = kDrz;
            break;
        case 'z':
            Consume();
            main_ = kDz;
            SoftI(false);
            break;
        default:
            break;
    }
}

void SLetterReader::ReadN() {
    main_ = kN;
    if (SoftI(false)) return;
    unsigned char next = Next();
    if (next == 'g' || next == 'k') main_ = kNg;
    if (next == 'n') main_ = kNn;
}

bool SLetterReader::ReadPunctuation(unsigned char c) {
    switch (c) {
        case 4:
        case '!':
        case '.':
        case '?':
            main_ = kAlfPauseInterSentence;
            return true;
        case 5:
        case '\t':
        case '\n':
        case '\r':
        case ',':
        case ':':
        case ';':
            main_ = kAlfPausePunctuation;
            return true;
        case 6:
        case '(':
        case ')':
        case '<':
        case '>':
        case '{':
        case '}':
            main_ = kAlfPauseInterWord;
            return true;
        case 7:
            main_ = kAlfPauseDoubleLetter;
            return true;
        case 8:
            main_ = kAlfPauseTag;
            return true;
        default:
            return false;  // digits, blanks, symbols: nothing
    }
}

// Byte 3 at the current position: 3, code, argument. The argument sits two
// bytes after the start of the text, where control words put it.
void SLetterReader::ReadTagSequence() {
    int code = At(position_ + 1);
    if (code == kExplicitAllophonesTag) {
        size_t count = At(position_ + 2);
        size_t first = position_ + 3;
        size_t end = std::min(first + count, text_.size());
        for (size_t i = first; i < end; ++i) word_.Append(At(i))->locked = true;
        word_.phonetic = 1;
        position_ = std::max(end, first) - 1;
        return;
    }
    if (!IsCarrierTag(code)) return;  // only the 3 is consumed
    const char* argument = text_.size() > 2 ? text_.c_str() + 2 : "";
    if (code == kPauseTag) {
        long ms = std::clamp(ReadDecimal(argument), 0L, kMaxPauseMs);
        word_.Append(kAlfPauseTag)->length = static_cast<int32_t>(-ms);
    } else {
        word_.Append(code + kAlfTagBase);
        word_.control = 1;
        word_.hidden = 1;
    }
    // The code and its argument, up to the terminating zero byte.
    size_t end = text_.find('\0', position_ + 2);
    position_ = (end == std::string::npos ? text_.size() : end + 1) - 1;
}
