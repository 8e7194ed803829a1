// Allophone, pause and tag-carrier ids: the one place they are named. The
// id arithmetic (stress, final form, voicing, softness, tag carriers) is
// described with the inventory; every other file uses these names, never
// the numbers.
#pragma once

// Id arithmetic and the ids that are not letters' sounds.
enum SAlofonId : int {
    kAlfFirstVowel = 1,       // plain vowels 1..16
    kAlfStressedOffset = 16,  // stressed vowel = plain + 16
    kAlfFinalOffset = 32,     // phrase-final vowel = plain + 32
    kAlfLastVowel = 48,
    kAlfFirstVoiced = 49,  // voiced obstruents 49..62
    kAlfLastVoiced = 62,
    kAlfVoicelessOffset = 14,  // voiceless partner = voiced + 14
    kAlfFirstVoiceless = 63,   // voiceless obstruents 63..76
    kAlfLastVoiceless = 76,
    kAlfSoftOffset = 1,  // soft consonant = hard + 1
    kAlfH = 85,
    kAlfHi = 86,
    kAlfCh = 87,                   // sounds like "h", voiceless for the rules
    kAlfChi = 88,                  // sounds like "hi", voiceless for the rules
    kAlfPauseDoubleLetter = 106,   // pattern "p003"
    kAlfPauseInterWord = 107,      // pattern "p010"
    kAlfPausePunctuation = 108,    // pattern "p050"
    kAlfPauseInterSentence = 109,  // pattern "p100"
    kAlfPauseTag = 110,            // pattern "PauTag": pause of explicit length
    kAlfFirstPause = 106,
    kAlfLastPause = 110,
    kAlfErr = 111,   // impossible or unrecognised sound; last inventory entry
    kAlfNull = 112,  // empty allophone; id at an index outside a word
    kAlfLastSounding =
        112,            // ids up to here take samples; above are no-sound slots and tag carriers
    kAlfNone = 113,     // no allophone: an empty slot while letters are read
    kAlfTagBase = 114,  // control-tag carrier = tag code + 114
    kAlfFirstTag = 115,
    kAlfMaxId = 138,
};

// Control-tag carriers the synthesis acts on (tag code + kAlfTagBase).
enum STagCarrier : int {
    kCarrierPitch = 118,
    kCarrierReset = 123,
    kCarrierSpeed = 124,
    kCarrierVolume = 125,
    kCarrierBookmark = 126,
    kCarrierPnm = 136,
    kCarrierWave = 137,
    kCarrierDialog = 138,
};

// Ids by sound, for the letter table and the sentence rules.
namespace allophone {

inline constexpr int kA = 1, kE = 2, kI = 3, kO = 4, kU = 5, kY = 6, kAn = 7, kEn = 8, kIa = 9,
                     kIe = 10, kIo = 12, kIu = 13, kIan = 15, kIen = 16, kIiStressed = 19, kB = 49,
                     kD = 51, kG = 53, kW = 55, kWi = 56, kZ = 57, kZi = 58, kRz = 59, kDz = 60,
                     kDzi = 61, kDrz = 62, kP = 63, kT = 65, kK = 67, kF = 69, kS = 71, kSi = 72,
                     kSz = 73, kC = 74, kCi = 75, kCz = 76, kM = 77, kN = 79, kNi = 80, kNg = 81,
                     kNn = 82, kMFinal = 83, kNFinal = 84, kH = 85, kCh = 87, kL = 89, kLl = 91,
                     kLlFinal = 92, kLll = 93, kR = 94, kJ = 96, kJj = 97;

}  // namespace allophone
