#include "model/alofon.h"

#include "model/pattern_store.h"

SAlofon* SAlofonBff::Append(int id) {
    SAlofon* record = new SAlofon(id);
    Add(record);
    return record;
}

SAlofon* SAlofonBff::AppendByName(std::string_view name) {
    int id = NormalVoice().FindByName(name);
    return Append(id >= 0 ? id : kAlfErr);
}

void SAlofonBff::Insert(int index, SAlofon* record) {
    if (!record) return;
    if (index < 0) index = 0;
    if (index >= GetSize()) {
        Add(record);
        return;
    }
    InsertAt(index, record);
}

SAlofon* SAlofonBff::RecordAt(int index) const {
    return index >= 0 && index < GetSize() ? (*this)[index] : nullptr;
}

int SAlofonBff::IdAt(int index) const {
    const SAlofon* record = RecordAt(index);
    return record ? record->id : kAlfNull;
}

int SAlofonBff::FeaturesAt(int index) const {
    int id = IdAt(index);
    if (id < 0 || id > kAlfErr) return 0;
    return NormalVoice().PatternOrSilent(id).features;
}

int SAlofonBff::VowelCount() const {
    int count = 0;
    for (int i = 0; i < GetSize(); ++i)
        if (FeaturesAt(i) & AF_VOWEL) ++count;
    return count;
}

int SAlofonBff::ByteCount() const {
    int samples = 0;
    for (const SAlofon* record : *this) samples += record->SampleCount();
    return 2 * samples;
}
