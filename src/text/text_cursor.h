// A read position in a NUL-terminated Windows-1250 text. A borrowed cursor
// reads someone else's text and never copies or frees it; an owning cursor
// keeps its own copy (the user dictionary's replacement text).
#pragma once

#include <cstdint>
#include <string>

class STextCursor {
public:
    explicit STextCursor(bool borrowed) : borrowed_(borrowed) {}
    STextCursor(const STextCursor&) = delete;
    STextCursor& operator=(const STextCursor&) = delete;

    // Borrowed: points at text as is (null reads as empty). Owning: copies it.
    // The position returns to 0.
    void SetText(const char* text);
    // Frees an owned copy; text and position become empty / 0.
    void Clear();

    bool IsBorrowed() const { return borrowed_; }
    bool IsEmpty() const { return text_ == nullptr || text_[0] == '\0'; }
    // True while a character other than the final NUL is left to read.
    bool HasUnread() const { return text_ != nullptr && text_[position_] != '\0'; }

    // The byte at the position (0 at the end); the position does not move.
    unsigned char Peek(int offset = 0) const;
    // The byte at the position; the position advances unless it is NUL.
    unsigned char Read();
    // Steps back one character (never before the start).
    void StepBack() {
        if (position_ > 0) --position_;
    }

    uint32_t GetPosition() const { return position_; }
    void SetPosition(uint32_t position) { position_ = position; }
    const char* GetText() const { return text_ ? text_ : ""; }
    // The unread rest of the text.
    const char* GetRest() const { return GetText() + position_; }

private:
    const char* text_ = nullptr;
    std::string copy_;  // storage of an owning cursor
    uint32_t position_ = 0;
    bool borrowed_;
};
