// The SAPI 5 voice's fixed identities: its COM class and its voice token.
// Both widths register the same class and token name, each in its own view.
#pragma once

#include "sapi/com.h"

inline constexpr CLSID CLSID_VokrantVoice{
    0x5E3A7C21, 0x9B04, 0x4D6F, {0xA1, 0x8E, 0x27, 0xC4, 0x90, 0x3B, 0x6D, 0x52}};

inline constexpr const char* kVoiceTokenName = "Vokrant";
inline constexpr const char* kVoiceTokensPath = "SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens";
// Windows-1250: "Vokrant - polski" in Polish.
inline constexpr const char* kVoiceDisplayName = "Vokrant - polski";
inline constexpr const char* kVoiceLanguage = "415";  // LANGID of Polish, in hex
