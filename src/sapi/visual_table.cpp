#include "sapi/visual_table.h"

namespace {

// The IPA character of each allophone id ('_' is silence).
constexpr char16_t kIpa[kVisualTableSize] = {
    u'_', u'ʌ', u'ɛ', u'i', u'o', u'u', u'j', u'w', u'w', u'ʌ',  // 0..9
    u'ɛ', u'_', u'o', u'u', u'_', u'w', u'w', u'ɑ', u'ɛ', u'i',  // 10..19
    u'ɔ', u'u', u'j', u'w', u'w', u'ɑ', u'ɛ', u'_', u'o', u'u',  // 20..29
    u'_', u'w', u'w', u'ʌ', u'ɛ', u'i', u'o', u'u', u'j', u'ɑ',  // 30..39
    u'ɛ', u'ɑ', u'e', u'i', u'o', u'u', u'_', u'w', u'w', u'b',  // 40..49
    u'i', u'd', u'i', u'g', u'i', u'w', u'i', u'z', u'i', u'ʃ',  // 50..59
    u'ʧ', u'i', u'ʤ', u'p', u'i', u't', u'i', u'k', u'i', u'f',  // 60..69
    u'i', u's', u'i', u'ʃ', u'ʧ', u'i', u'ʧ', u'm', u'i', u'n',  // 70..79
    u'i', u'n', u'n', u'm', u'n', u'h', u'h', u'_', u'_', u'l',  // 80..89
    u'l', u'l', u'l', u'l', u'ɹ', u'ɹ', u'j', u'j', u'_', u'_',  // 90..99
    u'_', u'_', u'_', u'_', u'_', u'_', u'_', u'_', u'_', u'_',  // 100..109
    u'_', u'_',                                                  // 110..111
};

constexpr TTSMOUTH kSilence{0, 128, 160, 0, 0, 0, 0, 0};
constexpr TTSMOUTH kPauseOpen{0, 186, 0, 0, 0, 0, 0, 0};

// A plausible shape for each sound: height, width, upturn, jaw, upper and
// lower teeth, tongue, lip tension.
TTSMOUTH ShapeForIpa(char16_t ipa) {
    switch (ipa) {
        case u'ʌ':
        case u'ɑ':
            return {160, 160, 128, 150, 80, 40, 0, 40};
        case u'ɛ':
        case u'e':
            return {100, 200, 140, 80, 110, 80, 0, 60};
        case u'i':
            return {32, 230, 160, 0, 110, 110, 188, 0};
        case u'o':
        case u'ɔ':
            return {128, 0, 0, 0, 51, 51, 0, 50};
        case u'u':
            return {60, 20, 128, 20, 0, 0, 0, 120};
        case u'j':
            return {40, 210, 150, 10, 110, 110, 160, 40};
        case u'w':
            return {50, 30, 128, 10, 0, 0, 0, 100};
        case u'p':
        case u'b':
            return {15, 186, 0, 0, 0, 0, 153, 120};
        case u'm':
            return {22, 186, 0, 0, 0, 0, 0, 0};
        case u'd':
        case u't':
        case u'n':
            return {40, 170, 128, 30, 120, 100, 255, 60};
        case u'g':
        case u'k':
            return {60, 160, 128, 50, 80, 60, 0, 60};
        case u'z':
        case u's':
            return {20, 200, 128, 10, 200, 200, 128, 100};
        case u'ʃ':
        case u'ʧ':
        case u'ʤ':
            return {50, 60, 128, 20, 128, 128, 100, 150};
        case u'f':
            return {30, 170, 128, 10, 200, 0, 0, 80};
        case u'h':
            return {100, 150, 128, 80, 80, 40, 0, 20};
        case u'l':
            return {60, 170, 128, 50, 120, 80, 255, 40};
        case u'ɹ':
            return {60, 150, 128, 40, 100, 80, 200, 60};
        default:
            return kSilence;
    }
}

}  // namespace

SVisualEntry VisualForAllophone(DWORD id) {
    if (id >= static_cast<DWORD>(kVisualTableSize)) return {u'_', kRestMouth};
    // The pause allophones inside words keep the mouth open and relaxed.
    if (id == 11 || id == 14 || id == 30 || id == 46) return {kIpa[id], kPauseOpen};
    return {kIpa[id], ShapeForIpa(kIpa[id])};
}
