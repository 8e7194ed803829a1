#include "text/text_cursor.h"

void STextCursor::SetText(const char* text) {
    position_ = 0;
    if (borrowed_) {
        text_ = text;
        return;
    }
    copy_.assign(text ? text : "");
    text_ = copy_.c_str();
}

void STextCursor::Clear() {
    if (!borrowed_) std::string().swap(copy_);
    text_ = nullptr;
    position_ = 0;
}

unsigned char STextCursor::Peek(int offset) const {
    if (!text_) return 0;
    // Never look past the terminating NUL.
    for (int i = 0; i < offset; ++i)
        if (text_[position_ + i] == '\0') return 0;
    return static_cast<unsigned char>(text_[position_ + offset]);
}

unsigned char STextCursor::Read() {
    if (!text_) return 0;
    unsigned char c = static_cast<unsigned char>(text_[position_]);
    if (c != 0) ++position_;
    return c;
}
