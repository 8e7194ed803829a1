#include "core/record_queue.h"

#include <cstdlib>
#include <cstring>

namespace {

void* CopyRecord(const void* data, size_t length) {
    if (!data || length == 0) return nullptr;
    void* copy = std::malloc(length);
    if (copy) std::memcpy(copy, data, length);
    return copy;
}

}  // namespace

SRecordQueue::~SRecordQueue() {
    for (int i = 0; i < count_; ++i) std::free(elements_[i].data);
    std::free(elements_);
}

bool SRecordQueue::EnsureCapacity(int needed) {
    if (needed <= capacity_) return true;
    // The table grows to 1.5 times what is needed, so appends stay cheap.
    int capacity = needed + needed / 2;
    void* grown = std::realloc(elements_, sizeof(Element) * static_cast<size_t>(capacity));
    if (!grown) return false;
    elements_ = static_cast<Element*>(grown);
    capacity_ = capacity;
    return true;
}

int SRecordQueue::Append(const void* data, size_t length) {
    return InsertAt(count_, data, length);
}

int SRecordQueue::InsertAt(int index, const void* data, size_t length) {
    if (index < 0) return 0;
    if (index > count_) index = count_;
    if (!EnsureCapacity(count_ + 1)) return 0;
    void* copy = CopyRecord(data, length);
    if (!copy) return 0;
    std::memmove(elements_ + index + 1, elements_ + index,
                 sizeof(Element) * static_cast<size_t>(count_ - index));
    elements_[index] = {copy, length, 0};
    ++count_;
    return 1;
}

int SRecordQueue::RemoveAt(int index) {
    if (!InRange(index)) return 0;
    std::free(elements_[index].data);
    std::memmove(elements_ + index, elements_ + index + 1,
                 sizeof(Element) * static_cast<size_t>(count_ - index - 1));
    --count_;
    return 1;
}

int SRecordQueue::Replace(int index, const void* data, size_t length) {
    if (!InRange(index)) return 0;
    void* copy = CopyRecord(data, length);
    if (!copy) return 0;
    std::free(elements_[index].data);
    elements_[index].data = copy;
    elements_[index].length = length;
    return 1;
}

void* SRecordQueue::GetAt(int index) const {
    return InRange(index) ? elements_[index].data : nullptr;
}

size_t SRecordQueue::GetLength(int index) const {
    return InRange(index) ? elements_[index].length : 0;
}

int SRecordQueue::IsStarted(int index) const {
    return InRange(index) ? elements_[index].started : 0;
}

void SRecordQueue::MarkStarted(int index) {
    if (InRange(index)) elements_[index].started = 1;
}

std::unique_ptr<SRecordQueue> SRecordQueue::Clone() const {
    auto clone = std::make_unique<SRecordQueue>();
    for (int i = 0; i < count_; ++i) {
        if (!clone->Append(elements_[i].data, elements_[i].length)) return nullptr;
        if (elements_[i].started) clone->MarkStarted(i);
    }
    return clone;
}
