// The pulse marks of one recording (the sample where each pitch period
// starts), kept with the recording once something has asked for them. The
// voices are shared by engines on several threads, so the first reader
// publishes the list atomically; two readers that race both compute it and
// one copy is kept. A copy of a recording starts without marks: they are
// found again from its own samples when needed.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

class SPulseMarks {
public:
    using SMarks = std::vector<int32_t>;

    SPulseMarks() = default;
    SPulseMarks(const SPulseMarks&) noexcept {}
    SPulseMarks& operator=(const SPulseMarks&) noexcept {
        delete marks_.exchange(nullptr);
        return *this;
    }
    ~SPulseMarks() { delete marks_.load(); }

    // The marks, made by `find()` (returning SMarks) on the first call.
    template <class Find>
    const SMarks& Get(Find&& find) const {
        if (const SMarks* kept = marks_.load(std::memory_order_acquire)) return *kept;
        auto* fresh = new SMarks(find());
        const SMarks* expected = nullptr;
        if (marks_.compare_exchange_strong(expected, fresh, std::memory_order_acq_rel))
            return *fresh;
        delete fresh;
        return *expected;
    }

private:
    mutable std::atomic<const SMarks*> marks_{nullptr};
};
