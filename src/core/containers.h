// Growable arrays, owning pointer arrays and first-byte-indexed string maps.
//
// Growth rule (relied on by callers that pre-size buffers): when a requested
// size exceeds the capacity, the new capacity is capacity + step, where step is
// the grow-by if set, else size / 8 clamped to 4..1024; if that is still short
// of the request, exactly the requested size. New elements are zero-filled.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>

template <typename T>
class SFastArray {
    static_assert(std::is_trivially_copyable_v<T>, "SFastArray stores raw, zero-filled elements");

public:
    SFastArray() = default;
    SFastArray(const SFastArray& other) { Copy(other); }
    SFastArray& operator=(const SFastArray& other) {
        if (this != &other) Copy(other);
        return *this;
    }
    SFastArray(SFastArray&& other) noexcept { Swap(other); }
    SFastArray& operator=(SFastArray&& other) noexcept {
        Swap(other);
        return *this;
    }
    virtual ~SFastArray() { std::free(data_); }

    int GetSize() const { return size_; }
    int GetCount() const { return size_; }
    int GetCapacity() const { return capacity_; }
    bool IsEmpty() const { return size_ == 0; }
    T* GetData() { return data_; }
    const T* GetData() const { return data_; }

    T& operator[](int i) { return data_[i]; }
    const T& operator[](int i) const { return data_[i]; }
    T& ElementAt(int i) { return data_[i]; }
    T GetAt(int i) const { return data_[i]; }
    void SetAt(int i, const T& v) { data_[i] = v; }

    // growBy 0 selects the size / 8 rule.
    void SetGrowBy(int growBy) { growBy_ = growBy; }

    // Size 0 frees the storage. Throws std::bad_alloc on failure.
    void SetSize(int newSize) {
        if (newSize <= 0) {
            std::free(data_);
            data_ = nullptr;
            size_ = capacity_ = 0;
            return;
        }
        if (newSize > capacity_) Reserve(GrownCapacity(newSize));
        if (newSize > size_)
            std::memset(static_cast<void*>(data_ + size_), 0, sizeof(T) * (newSize - size_));
        size_ = newSize;
    }

    // Holds exactly `newSize` elements that the caller overwrites at once:
    // new elements are left as they are, not zero-filled.
    void SetSizeForOverwrite(int newSize) {
        if (newSize <= 0) return SetSize(0);
        if (newSize > capacity_) Reserve(GrownCapacity(newSize));
        size_ = newSize;
    }
    // Size 0 that keeps the storage for the next fill.
    void Empty() { size_ = 0; }

    int Add(const T& v) {
        T copy = v;  // v may live inside our own storage
        SetSize(size_ + 1);
        data_[size_ - 1] = copy;
        return size_ - 1;
    }
    void Append(const T* values, int count) {
        if (count <= 0) return;
        int old = size_;
        SetSize(size_ + count);
        std::memmove(static_cast<void*>(data_ + old), values, sizeof(T) * count);
    }
    void InsertAt(int index, const T& v, int count = 1) {
        if (count <= 0) return;
        T copy = v;
        if (index >= size_) {
            int old = size_;
            SetSize(index + count);
            for (int i = old < index ? index : old; i < index + count; ++i) data_[i] = copy;
            return;
        }
        int old = size_;
        SetSize(size_ + count);
        std::memmove(static_cast<void*>(data_ + index + count), data_ + index,
                     sizeof(T) * (old - index));
        for (int i = index; i < index + count; ++i) data_[i] = copy;
    }
    void RemoveAt(int index, int count = 1) {
        if (index < 0 || count <= 0 || index >= size_) return;
        count = std::min(count, size_ - index);
        std::memmove(static_cast<void*>(data_ + index), data_ + index + count,
                     sizeof(T) * (size_ - index - count));
        size_ -= count;
    }
    void RemoveAll() { SetSize(0); }

    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }

private:
    int GrownCapacity(int requested) const {
        // The step is measured on the current size, before the growth.
        int step = growBy_ != 0 ? growBy_ : std::clamp(size_ / 8, 4, 1024);
        int grown = capacity_ + step;
        return grown < requested ? requested : grown;
    }
    void Reserve(int capacity) {
        void* p =
            std::realloc(static_cast<void*>(data_), sizeof(T) * static_cast<size_t>(capacity));
        if (!p) throw std::bad_alloc();
        data_ = static_cast<T*>(p);
        capacity_ = capacity;
    }
    void Copy(const SFastArray& other) {
        SetSize(0);
        growBy_ = other.growBy_;
        Append(other.data_, other.size_);
    }
    void Swap(SFastArray& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        std::swap(growBy_, other.growBy_);
    }

    T* data_ = nullptr;
    int size_ = 0;
    int capacity_ = 0;
    int growBy_ = 0;
};

// Owns its elements: emptying or destroying deletes every non-null element,
// last to first. RemoveAt hands the element back to the caller undeleted.
template <typename T>
class SPtrArray : public SFastArray<T*> {
public:
    SPtrArray() = default;
    SPtrArray(const SPtrArray&) = delete;
    SPtrArray& operator=(const SPtrArray&) = delete;
    ~SPtrArray() override { RemoveAll(); }

    void RemoveAll() {
        for (int i = this->GetSize() - 1; i >= 0; --i) delete (*this)[i];
        SFastArray<T*>::RemoveAll();
    }
    // Deletes the element at index and closes the gap.
    void DeleteAt(int index) {
        if (index < 0 || index >= this->GetSize()) return;
        delete (*this)[index];
        this->RemoveAt(index);
    }
};

// One map entry: a key and its value.
template <typename V>
struct SStr2_ {
    std::string key;
    V value;
};

// String-keyed map, entries in insertion order, with 256 index lists by the
// key's first byte. Comparison is byte-exact: case matters.
template <typename V>
class SStr2_Map {
public:
    SStr2_Map() = default;
    SStr2_Map(const SStr2_Map&) = delete;
    SStr2_Map& operator=(const SStr2_Map&) = delete;
    virtual ~SStr2_Map() = default;

    int Find(const char* key) const {
        if (!key || !*key) return -1;
        const SFastArray<int>& list = index_[static_cast<unsigned char>(key[0])];
        for (int position : list)
            if (entries_[position]->key == key) return position;
        return -1;
    }
    int Find(const std::string& key) const { return Find(key.c_str()); }

    void Set(const char* key, const V& value) {
        if (!key || !*key) return;
        int position = Find(key);
        if (position >= 0) {
            entries_[position]->value = value;
            return;
        }
        position = entries_.Add(new SStr2_<V>{key, value});
        index_[static_cast<unsigned char>(key[0])].Add(position);
    }
    void Set(const std::string& key, const V& value) { Set(key.c_str(), value); }

    int GetCount() const { return entries_.GetSize(); }
    const std::string& KeyAt(int position) const { return entries_[position]->key; }
    const V& ValueAt(int position) const { return entries_[position]->value; }
    V& ValueAt(int position) { return entries_[position]->value; }

    void RemoveAll() {
        entries_.RemoveAll();
        for (auto& list : index_) list.RemoveAll();
    }

private:
    SPtrArray<SStr2_<V>> entries_;
    SFastArray<int> index_[256];
};

using SStr2StrMap = SStr2_Map<std::string>;
using SStr2IntMap = SStr2_Map<int>;
using SStr2BoolMap = SStr2_Map<int>;
