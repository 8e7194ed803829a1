// The front end's queue of byte records (queued texts, per-text sink entries).
// Records are copied in on insertion and freed on removal. Failures (null or
// empty record, allocation failure, index out of range) answer 0 / none and
// change nothing.
#pragma once

#include <cstddef>
#include <memory>

class SRecordQueue {
public:
    SRecordQueue() = default;
    SRecordQueue(const SRecordQueue&) = delete;
    SRecordQueue& operator=(const SRecordQueue&) = delete;
    ~SRecordQueue();

    // Copies the record to the end. Returns 1, or 0 when refused.
    int Append(const void* data, size_t length);
    // Inserts before index; as Append when index >= count.
    int InsertAt(int index, const void* data, size_t length);
    // Frees the record and closes the gap. Returns 1, or 0 out of range.
    int RemoveAt(int index);
    // Replaces the record's bytes (started flag kept). Returns 1 or 0.
    int Replace(int index, const void* data, size_t length);

    void* GetAt(int index) const;
    size_t GetLength(int index) const;
    int IsStarted(int index) const;
    void MarkStarted(int index);
    int GetCount() const { return count_; }

    // A new queue with copies of every record, or null on any failure.
    std::unique_ptr<SRecordQueue> Clone() const;

private:
    struct Element {
        void* data;
        size_t length;
        int started;
    };
    bool EnsureCapacity(int needed);
    bool InRange(int index) const { return index >= 0 && index < count_; }

    Element* elements_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
};
