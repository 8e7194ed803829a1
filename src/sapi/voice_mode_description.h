// The one voice mode the component offers, in the Speech API's Unicode mode
// description, and its conversion to the ANSI form.
#pragma once

#include "sapi/sapi4_types.h"

// Index 0 is the voice; index 1 carries only the engine id, manufacturer and
// product name (enumeration never reaches it). Any other index gives all
// zeros. The whole structure is zeroed first.
void FillModeDescription(int index, TTSMODEINFOW* info);

// Converts the name fields to the ANSI code page and copies the numbers.
void ModeDescriptionToAnsi(const TTSMODEINFOW& wide, TTSMODEINFOA* ansi);

// Copies a NUL-terminated UTF-16 string of at most `capacity` units (the
// terminator included) into a Windows-1250 buffer, always terminated.
void WideFieldToAnsi(const WCHAR* wide, int capacity, CHAR* ansi);
