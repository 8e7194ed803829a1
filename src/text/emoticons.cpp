#include "text/emoticons.h"

#include <cstring>
#include <string>

#include "model/chars.h"
#include "resources/emoticon_names.h"
#include "resources/resource_strings.h"
#include "text/word_sink.h"

bool ReadEmoticon(const char* text, uint32_t& position, SWordSink& sink) {
    const char* at = text + position;
    for (const SEmoticon& emoticon : EmoticonTable()) {
        // Most text starts no emoticon: the first byte rules an entry out cheaply.
        if (*at != emoticon.text[0]) continue;
        size_t length = std::strlen(emoticon.text);
        if (std::strncmp(at, emoticon.text, length) != 0) continue;
        unsigned char after = static_cast<unsigned char>(at[length]);
        if (!IsSentenceEnd(after) && !IsControlChar(after) && after != ' ') continue;
        sink.AppendWord(ResourceString(emoticon.nameId), emoticon.text, 1, 0);
        position += static_cast<uint32_t>(length);
        return true;
    }
    return false;
}
