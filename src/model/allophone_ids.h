// Allophone ids by sound, for the letter table and the sentence rules. The
// id arithmetic (stress, final form, voicing, softness, tag carriers) is
// described with the inventory.
#pragma once

namespace allophone {

inline constexpr int
    kA = 1, kE = 2, kI = 3, kO = 4, kU = 5, kY = 6, kAn = 7, kEn = 8,
    kIa = 9, kIe = 10, kIo = 12, kIu = 13, kIan = 15, kIen = 16,
    kIiStressed = 19,
    kB = 49, kD = 51, kG = 53, kW = 55, kWi = 56, kZ = 57, kZi = 58, kRz = 59,
    kDz = 60, kDzi = 61, kDrz = 62,
    kP = 63, kT = 65, kK = 67, kF = 69, kS = 71, kSi = 72, kSz = 73, kC = 74, kCi = 75, kCz = 76,
    kM = 77, kN = 79, kNi = 80, kNg = 81, kNn = 82, kMFinal = 83, kNFinal = 84, kH = 85, kCh = 87,
    kL = 89, kLl = 91, kLlFinal = 92, kLll = 93, kR = 94, kJ = 96, kJj = 97,
    kPauseDoubleLetter = 106, kPauseInterWord = 107, kPausePunctuation = 108,
    kPauseSentence = 109, kPauseTimed = 110,
    kErr = 111, kNull = 112, kNone = 113,
    kTagCarrierBase = 114;

}  // namespace allophone
