// Every message the sound files and voice databases raise, in one place.
// They reach the log, so they are Windows-1250 bytes; a hex escape is closed
// by ending the literal wherever the next character could extend it.
#pragma once

// Chunk walk and the "fmt " / "VER " blocks.
inline constexpr const char kMsgReadError[] =
    "b\xB3\xB9"
    "d odczytu";
inline constexpr const char kMsgFmtLength[] =
    "niew\xB3"
    "a\x9C"
    "ciwa d\xB3ugo\x9C\xE6 bloku 'fmt '";
inline constexpr const char kMsgNoFmt[] = "brak bloku 'fmt '";
inline constexpr const char kMsgVerLength[] =
    "niew\xB3"
    "a\x9C"
    "ciwa d\xB3ugo\x9C\xE6 bloku 'VER '";
inline constexpr const char kMsgNoVer[] = "brak bloku 'VER '";
inline constexpr const char kMsgBitsPerSample[] = " 'wBitsPerSample' r\xF3\xBFne od 8 i 16.";
// Formatted with the sound number counted from 1.
inline constexpr const char kMsgNoSound[] = "  Brak d\x9Fwi\xEAku nr=%u";

// ".snd" files.
inline constexpr const char kMsgNoLinear8[] = "brak implementacji SND_FORMAT_LINEAR_8";
inline constexpr const char kMsgNoLinear16[] = "brak implementacji SND_FORMAT_LINEAR_16";
inline constexpr const char kMsgBadEncoding[] =
    "niew\xB3"
    "a\x9C"
    "ciwy format kodowania";
inline constexpr const char kMsgUnknownCompression[] = "nieznany typ kompresji";

// Writing wave files and setting up formats.
inline constexpr const char kMsgPcmDynamics[] = " niezaimplementowana dynamika dla PCM";
inline constexpr const char kMsgCompression[] = " niezaimplementowana kompresja";
inline constexpr const char kMsgNoDviAdpcm[] = " brak implementacji kompresji DviAdpcm";
inline constexpr const char kMsgNoMsAdpcm[] = " brak implementacji kompresji MsAdpcm";
inline constexpr const char kMsgNoALaw8[] = " brak implementacji kompresji ALaw8";
inline constexpr const char kMsgCodecAndConvert[] = "Internal: codec & convert";

// Voice databases.
inline constexpr const char kMsgInfoLength[] =
    "niew\xB3"
    "a\x9C"
    "ciwa d\xB3ugo\x9C\xE6 bloku 'info'";
inline constexpr const char kMsgMaxeLength[] =
    "niew\xB3"
    "a\x9C"
    "ciwa d\xB3ugo\x9C\xE6 bloku 'maxe'";
inline constexpr const char kMsgPatternVersion[] =
    "b\xB3\xEA"
    "dna wersja alofon\xF3w.";
inline constexpr const char kMsgNoStepChunk[] = "brak oczekiwanego chunka 'step'";
inline constexpr const char kMsgNotImplemented[] = "not implemented.\n";
// Formatted with the file name.
inline constexpr const char kMsgVoiceNotFound[] = "Nie znaleziono pliku z alofonami: %s";
// Formatted with the path.
inline constexpr const char kMsgVoiceNoFormat[] =
    "B\xB3\xB9"
    "d \xB3"
    "adowania alofon\xF3w: '%s'.";
inline constexpr const char kMsgVoiceVersion[] =
    "b\xB3\xEA"
    "dna wersja pliku alofon\xF3w";

// Guards of our own against damaged files and failed writes.
// A pattern longer than a 16.16 position can address.
inline constexpr const char kMsgPatternTooLong[] =
    "za d\xB3ugi alofon: %u pr\xF3"
    "bek";
// Segment records that do not follow on from one another.
inline constexpr const char kMsgBadSegments[] = "niesp\xF3jne segmenty alofonu";
// Steps that reach beyond the recording they divide.
inline constexpr const char kMsgStepsBeyondSound[] =
    "kroki wykraczaj\xB9"
    "ce poza nagranie";
// Formatted with the reason.
inline constexpr const char kMsgWriteError[] =
    "b\xB3\xB9"
    "d zapisu: %s";
// Formatted with the path.
inline constexpr const char kMsgCannotCreate[] = "nie mo\xBFna utworzy\xE6 pliku: %s";
// Formatted with the path.
inline constexpr const char kMsgCannotOpen[] = "nie mo\xBFna otworzy\xE6 pliku: %s";
// Formatted with the path.
inline constexpr const char kMsgUnknownFormat[] = "nieznany format pliku: %s";

// The section of context recordings (beyond the written layouts). The
// refusal is formatted with the file and the fault.
inline constexpr const char kMsgContextRefused[] =
    "%s: nagrania w kontek\x9C"
    "cie odrzucone (%s); g\xB3os m\xF3wi bez nich\n";
inline constexpr const char kMsgContextTruncated[] = "sekcja obci\xEAta";
inline constexpr const char kMsgContextChecksum[] =
    "z\xB3"
    "a suma kontrolna";
inline constexpr const char kMsgContextVersion[] = "nieznana wersja sekcji";
inline constexpr const char kMsgContextRecord[] = "z\xB3y zapis nr %u";
inline constexpr const char kMsgContextLength[] =
    "zapis nr %u ma %u pr\xF3"
    "bek, wzorzec %u";
