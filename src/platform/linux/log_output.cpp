// Linux: the engine writes its Polish log texts in Windows-1250; terminals
// and the journal expect UTF-8, so each line is converted on its way out.
#include "platform/log_output.h"

#include <cstdio>

#include "platform/codepage.h"

void WriteLogText(const std::string& text) {
    const std::string utf8 = MixedTextToUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}
