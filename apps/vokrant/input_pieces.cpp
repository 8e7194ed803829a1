#include "input_pieces.h"

#include <cerrno>
#include <cstring>

#include "platform/codepage.h"

namespace {

constexpr size_t kReadBlock = 64 * 1024;
// The engine gives up looking for a tag's closing backslash after this many
// characters (text/tags.cpp); a cut never falls inside that reach.
constexpr size_t kMaxTagChars = 4096;

// What the engine skips after a sentence end before the next sentence starts.
bool SkippedAfterSentenceEnd(unsigned char c) {
    return c == '!' || c == '.' || c == '?' || (c >= 1 && c <= 31) || c == ' ';
}

void BlanksForNul(std::string& text, size_t from) {
    for (size_t i = from; i < text.size(); ++i)
        if (text[i] == '\0') text[i] = ' ';
}

// How many bytes at the end of `bytes` start a UTF-8 sequence that the
// stream has not finished yet.
size_t UnfinishedUtf8Tail(std::string_view bytes) {
    for (size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((b & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const size_t length = (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// Where the tag opened by the backslash at `at` ends (one past its closing
// backslash); 0 when it is no tag (no closing within reach); npos when its
// end lies beyond the text gathered so far.
size_t TagEnd(std::string_view text, size_t at, bool atEnd) {
    const bool quoted = at + 5 < text.size() && text[at + 4] == '=' && text[at + 5] == '"';
    const std::string_view closing = quoted ? "\"\\" : "\\";
    const size_t from = at + (quoted ? 6 : 1);
    const size_t reach = std::min(text.size(), at + kMaxTagChars + 8);
    const size_t found = text.substr(0, reach).find(closing, std::min(from, reach));
    if (found != std::string_view::npos) return found + closing.size();
    return atEnd || reach < text.size() ? 0 : std::string_view::npos;
}

}  // namespace

void SStreamDecoder::Decide() {
    if (encoding_ != SInputEncoding::Utf8) {
        mode_ = SMode::Cp1250;
        return;
    }
    auto startsWith = [&](std::string_view mark) { return pending_.rfind(mark, 0) == 0; };
    if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        mode_ = pending_[0] == '\xFF' ? SMode::Utf16Little : SMode::Utf16Big;
        pending_.erase(0, 2);
        return;
    }
    mode_ = SMode::Utf8;
    if (startsWith("\xEF\xBB\xBF")) pending_.erase(0, 3);
}

void SStreamDecoder::Convert(bool atEnd, std::string& out) {
    const size_t from = out.size();
    if (mode_ == SMode::Cp1250) {
        out += pending_;
        pending_.clear();
    } else if (mode_ == SMode::Utf8) {
        const size_t keep = atEnd ? 0 : UnfinishedUtf8Tail(pending_);
        const std::string_view complete(pending_.data(), pending_.size() - keep);
        out += bestFit_ ? Utf8ToCp1250BestFit(complete) : Utf8ToCp1250(complete);
        pending_.erase(0, pending_.size() - keep);
    } else {
        const bool little = mode_ == SMode::Utf16Little;
        std::u16string units;
        units.reserve(pending_.size() / 2);
        for (size_t i = 0; i + 1 < pending_.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(pending_[little ? i : i + 1]);
            const auto hi = static_cast<unsigned char>(pending_[little ? i + 1 : i]);
            units += static_cast<char16_t>(lo | (hi << 8));
        }
        // A high surrogate waits for its partner; so does half a unit.
        size_t usedBytes = units.size() * 2;
        if (!atEnd && !units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
            units.pop_back();
            usedBytes -= 2;
        }
        out += bestFit_ ? Utf16ToCp1250BestFit(units) : Utf16ToCp1250(units);
        pending_.erase(0, usedBytes);
        if (atEnd && !pending_.empty()) out += '?';  // half a character at the end
        if (atEnd) pending_.clear();
    }
    BlanksForNul(out, from);
}

void SStreamDecoder::Feed(std::string_view bytes, std::string& out) {
    pending_.append(bytes);
    if (mode_ == SMode::Undecided) {
        if (pending_.size() < 3) return;  // a byte-order mark may still be arriving
        Decide();
    }
    Convert(false, out);
}

void SStreamDecoder::Finish(std::string& out) {
    if (mode_ == SMode::Undecided) Decide();
    Convert(true, out);
}

size_t LastSentenceCut(std::string_view text, bool tagged, bool atEnd) {
    size_t cut = 0;
    bool lineEndSeen = false;  // in the run of skipped characters before `i`
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (SkippedAfterSentenceEnd(c)) {
            lineEndSeen = lineEndSeen || c == '\n';
            continue;
        }
        if (lineEndSeen) cut = i;
        lineEndSeen = false;
        if (!tagged || c != '\\') continue;
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            ++i;  // a literal backslash
            continue;
        }
        const size_t end = TagEnd(text, i, atEnd);
        if (end == std::string_view::npos) break;  // a tag still open: no cut after it
        if (end != 0) i = end - 1;
    }
    return cut;
}

SInputPieces::SInputPieces(std::FILE* file, bool owned, SInputEncoding encoding, bool tagged,
                           bool bestFit)
    : file_(file), ownsFile_(owned), decoder_(encoding, bestFit), tagged_(tagged) {}

SInputPieces::~SInputPieces() {
    if (ownsFile_ && file_ != nullptr) std::fclose(file_);
}

SInputPieces::SInputPieces(std::string text, SInputEncoding encoding, bool tagged, bool bestFit)
    : given_(std::move(text)), decoder_(encoding, bestFit), tagged_(tagged) {}

bool SInputPieces::Fill(std::string& error) {
    if (file_ == nullptr) {
        decoder_.Feed(given_, text_);
        decoder_.Finish(text_);
        given_.clear();
        ended_ = true;
        return true;
    }
    char block[kReadBlock];
    const size_t got = std::fread(block, 1, sizeof block, file_);
    if (got > 0) {
        decoder_.Feed(std::string_view(block, got), text_);
        return true;
    }
    if (std::ferror(file_)) {
        error = std::string("cannot read the text: ") + std::strerror(errno);
        return false;
    }
    decoder_.Finish(text_);
    ended_ = true;
    return true;
}

// A long line is cut at its last blank, else anywhere.
size_t SInputPieces::CutPoint() const {
    const size_t cut = LastSentenceCut(text_, tagged_, ended_);
    if (cut > 0 || text_.size() < kMaxPieceChars) return cut;
    const size_t blank = text_.find_last_of(' ', kMaxPieceChars - 1);
    return blank != std::string::npos && blank > 0 ? blank + 1 : kMaxPieceChars;
}

bool SInputPieces::Next(std::string& piece, std::string& error) {
    if (handedAny_ && AtEnd()) return false;
    size_t cut = 0;
    for (;;) {
        if (!ended_ && text_.size() < kPieceChars) {
            if (!Fill(error)) return false;
            continue;
        }
        // The rest of a finished stream goes at once unless it is long.
        cut = ended_ && text_.size() <= kMaxPieceChars ? text_.size() : CutPoint();
        if (cut > 0 || ended_) break;
        if (!Fill(error)) return false;
    }
    if (cut == 0) cut = text_.size();
    piece.assign(text_, 0, cut);
    text_.erase(0, cut);
    pieceStart_ = handedOut_;
    handedOut_ += cut;
    handedAny_ = true;
    return true;
}
