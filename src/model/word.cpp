#include "model/word.h"

#include <utility>

SWord::SWord(SSentence* owner, std::string wordText, std::string source, int32_t position)
    : sentence(owner),
      sourcePosition(position),
      text(std::move(wordText)),
      sourceText(std::move(source)) {}
