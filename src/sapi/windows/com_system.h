// COM on Windows is the system's own: IUnknown, IClassFactory, GUID, HRESULT
// and task memory come from the Windows headers; only the few names the
// Linux stand-in adds are defined here. Included through sapi/com.h only.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <unknwn.h>

#include <cstdint>

// Windows' headers name these after their own functions; the engine's
// classes use the plain names.
#undef GetMessage
#undef LoadString
#undef DeleteFile
#undef GetObject

// The four entry points: C linkage and the system calling convention; the
// module definition file exports them under their plain names.
#define VOKRANT_EXPORT extern "C"
#define VOKRANT_EXPORT_CALL STDAPICALLTYPE

using QWORD = std::uint64_t;

static_assert(sizeof(DWORD) == 4 && sizeof(WORD) == 2 && sizeof(QWORD) == 8 && sizeof(WCHAR) == 2);

constexpr HRESULT MakeHResult(std::uint32_t code) {
    return static_cast<HRESULT>(code);
}

// Speech API text is UTF-16 in wchar_t on Windows (char16_t on Linux).
static_assert(sizeof(wchar_t) == 2 && sizeof(WCHAR) == 2);
