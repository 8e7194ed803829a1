// The component's fixed identities: its class (also the engine id in the
// mode description), the voice's mode id and a second mode id that selects
// the same voice, and the names it registers under.
#pragma once

#include "sapi/com.h"

inline constexpr CLSID CLSID_VokrantEngine{
    0xC7CC431F, 0x6667, 0x4855, {0x8D, 0x86, 0x08, 0x63, 0x62, 0xFE, 0xB6, 0x67}};
inline constexpr GUID MODEID_VokrantNeutral{
    0x852276DA, 0x1D05, 0x40C6, {0xB2, 0xE6, 0x8C, 0xEF, 0x81, 0x2F, 0x59, 0x8E}};
inline constexpr GUID MODEID_VokrantAlternate{
    0x98F5D02C, 0x06D7, 0x4B05, {0xA9, 0x17, 0x29, 0xC8, 0xC3, 0x4A, 0x13, 0xDA}};

// The application title: the program id and the name of the settings key.
inline constexpr const char* kVokrantProgId = "Vokrant 1.6 SAPI";
inline constexpr const char* kVokrantIndependentProgId = "Vokrant";
