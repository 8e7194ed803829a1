#include "sapi/voice_mode_description.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/codepage.h"
#include "sapi/engine_ids.h"

namespace {

constexpr DWORD kVoiceFeatures = TTSFEATURE_ANYWORD | TTSFEATURE_VOLUME | TTSFEATURE_SPEED |
                                 TTSFEATURE_PITCH | TTSFEATURE_TAGGED | TTSFEATURE_VISUAL |
                                 TTSFEATURE_WORDPOSITION | TTSFEATURE_PCOPTIMIZED |
                                 TTSFEATURE_PREFERRED;
constexpr DWORD kVoiceInterfaces = TTSI_ILEXPRONOUNCE | TTSI_ITTSATTRIBUTES | TTSI_ITTSCENTRAL |
                                   TTSI_ITTSDIALOGS | TTSI_IATTRIBUTES | TTSI_ILEXPRONOUNCE2;
static_assert(kVoiceFeatures == 0x41DF && kVoiceInterfaces == 0x3F);

template <int N>
void SetField(WCHAR (&field)[N], const char* ascii) {
    std::u16string text = Cp1250ToUtf16(ascii);
    std::size_t n = std::min<std::size_t>(text.size(), N - 1);
    std::memcpy(field, text.data(), n * sizeof(WCHAR));
    field[n] = 0;
}

}  // namespace

void FillModeDescription(int index, TTSMODEINFOW* info) {
    std::memset(info, 0, sizeof *info);
    if (index != 0 && index != 1) return;
    info->gEngineID = CLSID_VokrantEngine;
    SetField(info->szMfgName, "Dravenlab");
    SetField(info->szProductName, "Vokrant - syntezer mowy");
    if (index == 1) return;
    info->gModeID = MODEID_VokrantNeutral;
    SetField(info->szModeName, "Dravenlab Vokrant - neutralny");
    info->language.LanguageID = LANGID_POLISH;
    SetField(info->szSpeaker, "Borvan");
    SetField(info->szStyle, "Komputerowy");
    info->wGender = GENDER_MALE;
    info->wAge = TTSAGE_ADULT;
    info->dwFeatures = kVoiceFeatures;
    info->dwInterfaces = kVoiceInterfaces;
    info->dwEngineFeatures = 0;
}

void WideFieldToAnsi(const WCHAR* wide, int capacity, CHAR* ansi) {
    int length = 0;
    while (length < capacity - 1 && wide[length] != 0) ++length;
    std::string text = Utf16ToCp1250(std::u16string_view(AsUtf16(wide), length));
    std::size_t n = std::min<std::size_t>(text.size(), capacity - 1);
    std::memcpy(ansi, text.data(), n);
    std::memset(ansi + n, 0, capacity - n);
}

void ModeDescriptionToAnsi(const TTSMODEINFOW& wide, TTSMODEINFOA* ansi) {
    std::memset(ansi, 0, sizeof *ansi);
    ansi->gEngineID = wide.gEngineID;
    WideFieldToAnsi(wide.szMfgName, TTSI_NAMELEN, ansi->szMfgName);
    WideFieldToAnsi(wide.szProductName, TTSI_NAMELEN, ansi->szProductName);
    ansi->gModeID = wide.gModeID;
    WideFieldToAnsi(wide.szModeName, TTSI_NAMELEN, ansi->szModeName);
    ansi->language.LanguageID = wide.language.LanguageID;
    WideFieldToAnsi(wide.language.szDialect, LANG_LEN, ansi->language.szDialect);
    WideFieldToAnsi(wide.szSpeaker, TTSI_NAMELEN, ansi->szSpeaker);
    WideFieldToAnsi(wide.szStyle, TTSI_STYLELEN, ansi->szStyle);
    ansi->wGender = wide.wGender;
    ansi->wAge = wide.wAge;
    ansi->dwFeatures = wide.dwFeatures;
    ansi->dwInterfaces = wide.dwInterfaces;
    ansi->dwEngineFeatures = wide.dwEngineFeatures;
}
