#include "model/sentence.h"

#include "core/attribute.h"
#include "model/chars.h"

SAttribute* SSentence::GetSettings() const {
    return settings_ ? settings_ : &DefaultAttribute();
}

SWord* SSentence::WordAt(int index) const {
    if (index < 0 || index >= words.GetSize()) return nullptr;
    return words[index];
}

int SSentence::VisibleCount() const {
    int count = 0;
    for (const SWord* word : words)
        if (word->IsVisible()) ++count;
    return count;
}

int SSentence::VisibleToIndex(int visibleIndex) const {
    if (visibleIndex < 0) return -1;
    for (int i = 0; i < words.GetSize(); ++i) {
        if (!words[i]->IsVisible()) continue;
        if (visibleIndex-- == 0) return i;
    }
    return -1;
}

SWord* SSentence::VisibleWordAt(int visibleIndex) const {
    return WordAt(VisibleToIndex(visibleIndex));
}

std::vector<SWord*> SSentence::VisibleWords() const {
    std::vector<SWord*> visible;
    for (SWord* word : words)
        if (word->IsVisible()) visible.push_back(word);
    return visible;
}

bool SSentence::HasNoRealWords() const {
    for (const SWord* word : words) {
        if (word->control) continue;
        if (word->text.size() != 1 || !IsSpaceChar(static_cast<unsigned char>(word->text[0])))
            return false;
    }
    return true;
}
