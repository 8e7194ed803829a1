// Speech API 4 structures, constants, result codes and interface ids, laid
// out exactly as 32-bit Windows hosts expect them. The static assertions pin
// every size and the offsets a host reads; a change that moves a byte fails
// the build.
#pragma once

#include "sapi/com.h"

// ---- Lengths --------------------------------------------------------------

inline constexpr int SVFN_LEN = 262;
inline constexpr int TTSI_NAMELEN = SVFN_LEN;
inline constexpr int TTSI_STYLELEN = SVFN_LEN;
inline constexpr int LANG_LEN = 64;

// ---- Structures -----------------------------------------------------------

// A block of bytes; its meaning depends on the call (text, format, phonemes).
struct SDATA {
    void* pData;
    DWORD dwSize;
};

struct LANGUAGEW {
    LANGID LanguageID;
    WCHAR szDialect[LANG_LEN];
};

struct LANGUAGEA {
    LANGID LanguageID;
    CHAR szDialect[LANG_LEN];
};

// Each byte a linear 0..255 scale (see the visual notification).
struct TTSMOUTH {
    BYTE bMouthHeight;
    BYTE bMouthWidth;
    BYTE bMouthUpturn;
    BYTE bJawOpen;
    BYTE bTeethUpperVisible;
    BYTE bTeethLowerVisible;
    BYTE bTonguePosn;
    BYTE bLipTension;
};

#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
};
#pragma pack(pop)

inline constexpr WORD WAVE_FORMAT_PCM = 1;

struct TTSMODEINFOW {
    GUID gEngineID;
    WCHAR szMfgName[TTSI_NAMELEN];
    WCHAR szProductName[TTSI_NAMELEN];
    GUID gModeID;
    WCHAR szModeName[TTSI_NAMELEN];
    LANGUAGEW language;
    WCHAR szSpeaker[TTSI_NAMELEN];
    WCHAR szStyle[TTSI_STYLELEN];
    WORD wGender;
    WORD wAge;
    DWORD dwFeatures;
    DWORD dwInterfaces;
    DWORD dwEngineFeatures;
};

struct TTSMODEINFOA {
    GUID gEngineID;
    CHAR szMfgName[TTSI_NAMELEN];
    CHAR szProductName[TTSI_NAMELEN];
    GUID gModeID;
    CHAR szModeName[TTSI_NAMELEN];
    LANGUAGEA language;
    CHAR szSpeaker[TTSI_NAMELEN];
    CHAR szStyle[TTSI_STYLELEN];
    WORD wGender;
    WORD wAge;
    DWORD dwFeatures;
    DWORD dwInterfaces;
    DWORD dwEngineFeatures;
};

struct TTSMODEINFORANK {
    DWORD dwEngineID;
    DWORD dwMfgName;
    DWORD dwProductName;
    DWORD dwModeID;
    DWORD dwModeName;
    DWORD dwLanguage;
    DWORD dwDialect;
    DWORD dwSpeaker;
    DWORD dwStyle;
    DWORD dwGender;
    DWORD dwAge;
    DWORD dwFeatures;
    DWORD dwInterfaces;
    DWORD dwEngineFeatures;
};

static_assert(sizeof(SDATA) == 2 * sizeof(void*));
static_assert(sizeof(LANGUAGEW) == 130 && alignof(LANGUAGEW) == 2);
static_assert(sizeof(LANGUAGEA) == 66 && alignof(LANGUAGEA) == 2);
static_assert(sizeof(TTSMOUTH) == 8);
static_assert(sizeof(WAVEFORMATEX) == 18);
static_assert(sizeof(TTSMODEINFORANK) == 56);
static_assert(sizeof(TTSMODEINFOW) == 2800);
static_assert(offsetof(TTSMODEINFOW, szMfgName) == 16);
static_assert(offsetof(TTSMODEINFOW, szProductName) == 540);
static_assert(offsetof(TTSMODEINFOW, gModeID) == 1064);
static_assert(offsetof(TTSMODEINFOW, szModeName) == 1080);
static_assert(offsetof(TTSMODEINFOW, language) == 1604);
static_assert(offsetof(TTSMODEINFOW, szSpeaker) == 1734);
static_assert(offsetof(TTSMODEINFOW, szStyle) == 2258);
static_assert(offsetof(TTSMODEINFOW, wGender) == 2782);
static_assert(offsetof(TTSMODEINFOW, wAge) == 2784);
static_assert(offsetof(TTSMODEINFOW, dwFeatures) == 2788);
static_assert(offsetof(TTSMODEINFOW, dwInterfaces) == 2792);
static_assert(offsetof(TTSMODEINFOW, dwEngineFeatures) == 2796);
static_assert(sizeof(TTSMODEINFOA) == 1424);
static_assert(offsetof(TTSMODEINFOA, szProductName) == 278);
static_assert(offsetof(TTSMODEINFOA, gModeID) == 540);
static_assert(offsetof(TTSMODEINFOA, szModeName) == 556);
static_assert(offsetof(TTSMODEINFOA, language) == 818);
static_assert(offsetof(TTSMODEINFOA, szSpeaker) == 884);
static_assert(offsetof(TTSMODEINFOA, szStyle) == 1146);
static_assert(offsetof(TTSMODEINFOA, wGender) == 1408);
static_assert(offsetof(TTSMODEINFOA, dwFeatures) == 1412);
static_assert(offsetof(TTSMODEINFOA, dwEngineFeatures) == 1420);

// ---- Enumerations -----------------------------------------------------------

enum VOICECHARSET : int { CHARSET_TEXT = 0, CHARSET_IPAPHONETIC = 1, CHARSET_ENGINEPHONETIC = 2 };

enum VOICEPARTOFSPEECH : int {
    VPS_UNKNOWN = 0,
    VPS_NOUN,
    VPS_VERB,
    VPS_ADVERB,
    VPS_ADJECTIVE,
    VPS_PROPERNOUN,
    VPS_PRONOUN,
    VPS_CONJUNCTION,
    VPS_CARDINAL,
    VPS_ORDINAL,
    VPS_DETERMINER,
    VPS_QUANTIFIER,
    VPS_PUNCTUATION,
    VPS_CONTRACTION,
    VPS_INTERJECTION,
    VPS_ABBREVIATION,
    VPS_PREPOSITION
};
static_assert(sizeof(VOICECHARSET) == 4 && sizeof(VOICEPARTOFSPEECH) == 4);

// ---- Feature, interface and voice constants -----------------------------

constexpr DWORD SETBIT(int bit) {
    return DWORD{1} << bit;
}

inline constexpr DWORD TTSFEATURE_ANYWORD = SETBIT(0);
inline constexpr DWORD TTSFEATURE_VOLUME = SETBIT(1);
inline constexpr DWORD TTSFEATURE_SPEED = SETBIT(2);
inline constexpr DWORD TTSFEATURE_PITCH = SETBIT(3);
inline constexpr DWORD TTSFEATURE_TAGGED = SETBIT(4);
inline constexpr DWORD TTSFEATURE_IPAUNICODE = SETBIT(5);
inline constexpr DWORD TTSFEATURE_VISUAL = SETBIT(6);
inline constexpr DWORD TTSFEATURE_WORDPOSITION = SETBIT(7);
inline constexpr DWORD TTSFEATURE_PCOPTIMIZED = SETBIT(8);
inline constexpr DWORD TTSFEATURE_PHONEOPTIMIZED = SETBIT(9);
inline constexpr DWORD TTSFEATURE_FIXEDAUDIO = SETBIT(10);
inline constexpr DWORD TTSFEATURE_SINGLEINSTANCE = SETBIT(11);
inline constexpr DWORD TTSFEATURE_THREADSAFE = SETBIT(12);
inline constexpr DWORD TTSFEATURE_IPATEXTDATA = SETBIT(13);
inline constexpr DWORD TTSFEATURE_PREFERRED = SETBIT(14);
inline constexpr DWORD TTSFEATURE_TRANSPLANTED = SETBIT(15);
inline constexpr DWORD TTSFEATURE_SAPI4 = SETBIT(16);

inline constexpr DWORD TTSI_ILEXPRONOUNCE = SETBIT(0);
inline constexpr DWORD TTSI_ITTSATTRIBUTES = SETBIT(1);
inline constexpr DWORD TTSI_ITTSCENTRAL = SETBIT(2);
inline constexpr DWORD TTSI_ITTSDIALOGS = SETBIT(3);
inline constexpr DWORD TTSI_ATTRIBUTES = SETBIT(4);
inline constexpr DWORD TTSI_IATTRIBUTES = SETBIT(4);
inline constexpr DWORD TTSI_ILEXPRONOUNCE2 = SETBIT(5);

inline constexpr WORD GENDER_NEUTRAL = 0;
inline constexpr WORD GENDER_FEMALE = 1;
inline constexpr WORD GENDER_MALE = 2;
inline constexpr WORD TTSAGE_ADULT = 30;

inline constexpr DWORD TTSDATAFLAG_TAGGED = SETBIT(0);
inline constexpr DWORD TTSBNS_ABORTED = SETBIT(0);

inline constexpr DWORD TTSNSAC_REALTIME = 0;
inline constexpr DWORD TTSNSAC_PITCH = 1;
inline constexpr DWORD TTSNSAC_SPEED = 2;
inline constexpr DWORD TTSNSAC_VOLUME = 3;

inline constexpr DWORD TTSNSHINT_QUESTION = SETBIT(0);
inline constexpr DWORD TTSNSHINT_STATEMENT = SETBIT(1);
inline constexpr DWORD TTSNSHINT_COMMAND = SETBIT(2);
inline constexpr DWORD TTSNSHINT_EXCLAMATION = SETBIT(3);
inline constexpr DWORD TTSNSHINT_EMPHASIS = SETBIT(4);

inline constexpr WORD IANSRSN_NODATA = 0;
inline constexpr WORD IANSRSN_PRIORITY = 1;
inline constexpr WORD IANSRSN_INACTIVE = 2;
inline constexpr WORD IANSRSN_EOF = 3;

inline constexpr DWORD ILP2_ACTIVE = SETBIT(0);
inline constexpr DWORD ILP2_USER = SETBIT(1);
inline constexpr DWORD ILP2_BACKUP = SETBIT(2);
inline constexpr DWORD ILP2_LTS = SETBIT(3);

inline constexpr WORD TTSATTR_MINPITCH = 0;
inline constexpr WORD TTSATTR_MAXPITCH = 0xFFFF;
inline constexpr DWORD TTSATTR_MINREALTIME = 0;
inline constexpr DWORD TTSATTR_MAXREALTIME = 0xFFFFFFFF;
inline constexpr DWORD TTSATTR_MINSPEED = 0;
inline constexpr DWORD TTSATTR_MAXSPEED = 0xFFFFFFFF;
inline constexpr DWORD TTSATTR_MINVOLUME = 0;
inline constexpr DWORD TTSATTR_MAXVOLUME = 0xFFFFFFFF;

inline constexpr DWORD TTSATTR_REALTIME = 0;
inline constexpr DWORD TTSATTR_PITCH = 1;
inline constexpr DWORD TTSATTR_SPEED = 2;
inline constexpr DWORD TTSATTR_VOLUME = 3;

inline constexpr LANGID LANGID_POLISH = 0x0415;

// ---- Result codes -----------------------------------------------------------

inline constexpr HRESULT AUDERR_NOTENOUGHDATA = MakeHResult(0x80040201u);
inline constexpr HRESULT AUDERR_WAVEFORMATNOTSUPPORTED = MakeHResult(0x80040202u);
inline constexpr HRESULT AUDERR_WAVEDEVICEBUSY = MakeHResult(0x80040203u);
inline constexpr HRESULT AUDERR_INVALIDFLAG = MakeHResult(0x80040204u);
inline constexpr HRESULT AUDERR_BADDEVICEID = MakeHResult(0x80040301u);
inline constexpr HRESULT AUDERR_NEEDWAVEFORMAT = MakeHResult(0x80040302u);
inline constexpr HRESULT AUDERR_NOTPLAYING = MakeHResult(0x80040306u);
inline constexpr HRESULT AUDERR_NODRIVER = MakeHResult(0x80040317u);
inline constexpr HRESULT AUDERR_HANDLEBUSY = MakeHResult(0x80040318u);
inline constexpr HRESULT AUDERR_INVALIDNOTIFYSINK = MakeHResult(0x80040319u);
inline constexpr HRESULT AUDERR_ALREADYCLAIMED = MakeHResult(0x8004031Du);
inline constexpr HRESULT AUDERR_NOTCLAIMED = MakeHResult(0x8004031Eu);
inline constexpr HRESULT AUDERR_STILLPLAYING = MakeHResult(0x8004031Fu);
inline constexpr HRESULT AUDERR_ALREADYSTARTED = MakeHResult(0x80040320u);

inline constexpr HRESULT TTSERR_NONE = S_OK;
inline constexpr HRESULT TTSERR_INVALIDINTERFACE = E_NOINTERFACE;
inline constexpr HRESULT TTSERR_NOTSUPPORTED = E_NOTIMPL;
inline constexpr HRESULT TTSERR_VALUEOUTOFRANGE = E_UNEXPECTED;
inline constexpr HRESULT TTSERR_INVALIDWINDOW = OLE_E_INVALIDHWND;
inline constexpr HRESULT TTSERR_INVALIDPARAM = E_INVALIDARG;
inline constexpr HRESULT TTSERR_WAVEFORMATNOTSUPPORTED = AUDERR_WAVEFORMATNOTSUPPORTED;
inline constexpr HRESULT TTSERR_WAVEDEVICEBUSY = AUDERR_WAVEDEVICEBUSY;
inline constexpr HRESULT TTSERR_OUTOFDISK = MakeHResult(0x80040205u);
inline constexpr HRESULT TTSERR_INVALIDMODE = MakeHResult(0x80040206u);
inline constexpr HRESULT TTSERR_INVALIDCHAR = MakeHResult(0x80040208u);
inline constexpr HRESULT TTSERR_INVALIDKEY = MakeHResult(0x80040209u);
inline constexpr HRESULT TTSERR_QUEUEFULL = MakeHResult(0x8004020Au);
inline constexpr HRESULT TTSERR_NOTPAUSED = MakeHResult(0x80040501u);
inline constexpr HRESULT TTSERR_ALREADYPAUSED = MakeHResult(0x80040502u);

inline constexpr HRESULT LEXERR_NOTINLEX = MakeHResult(0x80040803u);

// ---- Class and interface ids ----------------------------------------------

inline constexpr CLSID CLSID_TTSEnumerator{
    0xD67C0280, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
inline constexpr CLSID CLSID_MMAudioDest{
    0xCB96B400, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
inline constexpr CLSID CLSID_AudioDestFile{
    0xD4623720, 0xE4B9, 0x11CF, {0x8D, 0x56, 0x00, 0xA0, 0xC9, 0x03, 0x4A, 0x7E}};

#define VOKRANT_TTS_IID_4A47(d1)                           \
    {                                                      \
        d1, 0x4A47, 0x101B, {                              \
            0x93, 0x1A, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F \
        }                                                  \
    }
#define VOKRANT_TTS_IID_DBAB(d1)                           \
    {                                                      \
        d1, 0xDBAB, 0x11CD, {                              \
            0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F \
        }                                                  \
    }
#define VOKRANT_AUDIO_IID(d1)                              \
    {                                                      \
        d1, 0xC743, 0x11CD, {                              \
            0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50 \
        }                                                  \
    }

inline constexpr IID IID_ITTSCentralW = VOKRANT_TTS_IID_4A47(0x28016060);
inline constexpr IID IID_ITTSCentralA = VOKRANT_TTS_IID_DBAB(0x05EB6C6A);
inline constexpr IID IID_ITTSEnumW = VOKRANT_TTS_IID_4A47(0x6B837B20);
inline constexpr IID IID_ITTSEnumA = VOKRANT_TTS_IID_DBAB(0x05EB6C6D);
inline constexpr IID IID_ITTSFindW = VOKRANT_TTS_IID_4A47(0x7AA42960);
inline constexpr IID IID_ITTSFindA = VOKRANT_TTS_IID_DBAB(0x05EB6C6E);
inline constexpr IID IID_ITTSAttributesW = VOKRANT_TTS_IID_4A47(0x1287A280);
inline constexpr IID IID_ITTSAttributesA{
    0x0FD6E2A1, 0xE77D, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID IID_ITTSDialogsW = VOKRANT_TTS_IID_4A47(0x47F59D00);
inline constexpr IID IID_ITTSDialogsA = VOKRANT_TTS_IID_DBAB(0x05EB6C6B);
inline constexpr IID IID_ILexPronounceW{
    0x090CD9A2, 0xDA1A, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID IID_ILexPronounceA{
    0x2F26B9C0, 0xDB31, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID IID_ILexPronounce2W{
    0xD6E56341, 0xB3EA, 0x11D1, {0xAF, 0xA5, 0x00, 0x00, 0xF8, 0x1E, 0x88, 0x0D}};
inline constexpr IID IID_ILexPronounce2A{
    0xD6E56342, 0xB3EA, 0x11D1, {0xAF, 0xA5, 0x00, 0x00, 0xF8, 0x1E, 0x88, 0x0D}};
inline constexpr IID IID_IAttributesW{
    0x1D59DED1, 0xE367, 0x11D1, {0xBE, 0xD7, 0x00, 0x60, 0x08, 0x31, 0x7C, 0xE8}};
inline constexpr IID IID_IAttributesA{
    0x1D59DED2, 0xE367, 0x11D1, {0xBE, 0xD7, 0x00, 0x60, 0x08, 0x31, 0x7C, 0xE8}};
inline constexpr IID IID_ITTSNotifySinkW{
    0xC0FA8F40, 0x4A46, 0x101B, {0x93, 0x1A, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
inline constexpr IID IID_ITTSNotifySinkA = VOKRANT_TTS_IID_DBAB(0x05EB6C6F);
inline constexpr IID IID_ITTSNotifySink2W{
    0x599F77E1, 0xE42E, 0x11D1, {0xBE, 0xD8, 0x00, 0x60, 0x08, 0x31, 0x7C, 0xE8}};
inline constexpr IID IID_ITTSNotifySink2A{
    0x599F77E2, 0xE42E, 0x11D1, {0xBE, 0xD8, 0x00, 0x60, 0x08, 0x31, 0x7C, 0xE8}};
inline constexpr IID IID_ITTSBufNotifySink = VOKRANT_AUDIO_IID(0xE4963D40);
inline constexpr IID IID_IAudio = VOKRANT_AUDIO_IID(0xF546B340);
inline constexpr IID IID_IAudioDest = VOKRANT_AUDIO_IID(0x2EC34DA0);
inline constexpr IID IID_IAudioDestNotifySink = VOKRANT_AUDIO_IID(0xACB08C00);
inline constexpr IID IID_IAudioMultiMediaDevice = VOKRANT_AUDIO_IID(0xB68AD320);
inline constexpr IID IID_IAudioFile{
    0xFD7C2320, 0x3D6D, 0x11B9, {0xC0, 0x00, 0xFE, 0xD6, 0xCB, 0xA3, 0xB1, 0xA9}};
inline constexpr IID IID_IAudioFileNotifySink{
    0x492FE490, 0x51E7, 0x11B9, {0xC0, 0x00, 0xFE, 0xD6, 0xCB, 0xA3, 0xB1, 0xA9}};

#undef VOKRANT_TTS_IID_4A47
#undef VOKRANT_TTS_IID_DBAB
#undef VOKRANT_AUDIO_IID
