// The small part of COM the component stands on. The types, IUnknown and
// task memory come from the system's COM (Windows) or from our own stand-in
// (Linux); the build puts the right sapi/<system>/com_system.h on the path.
#pragma once

#include <string>

#include "com_system.h"

// "{D67C0280-C743-11CD-80E5-00AA003E4B50}": 38 characters, upper-case hex.
std::string GuidToString(REFGUID guid);
// Accepts the braced form (either case); false for anything else.
bool GuidFromString(const std::string& text, GUID* guid);

// Signatures of the four exports, for hosts that look them up by name.
using DllGetClassObjectFn = HRESULT(VOKRANT_EXPORT_CALL*)(REFCLSID, REFIID, void**);
using DllCanUnloadNowFn = HRESULT(VOKRANT_EXPORT_CALL*)();
using DllRegisterServerFn = HRESULT(VOKRANT_EXPORT_CALL*)();
using DllUnregisterServerFn = HRESULT(VOKRANT_EXPORT_CALL*)();

// Speech API text is UTF-16 in WCHAR, which is wchar_t on Windows and
// char16_t on Linux; the engine's conversions take char16_t.
inline const char16_t* AsUtf16(const WCHAR* text) {
    return reinterpret_cast<const char16_t*>(text);
}
inline const WCHAR* AsWide(const char16_t* text) {
    return reinterpret_cast<const WCHAR*>(text);
}
